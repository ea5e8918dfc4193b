#pragma once
// The window's own pictures and the skin files that replace them. Each picture
// is drawn in code at the size of the panel or image that shows it; a file in
// the program folder's Skin/ takes its place when it exists.

#include <QList>
#include <QPixmap>
#include <QString>

namespace tarnby::ui {

enum class SkinPart {
    MainBackground, // PicM1, the whole window behind the tabs and pages
    Emblem,         // ImgPt(2), the emblem in the title area
    PageBackground, // Pic_bk, behind every page
    InfoPicture,    // qImg(0) on the information page
};

struct SkinFile {
    SkinPart part;
    QString path;
};

// The size each picture is shown at.
QSize skinPartSize(SkinPart part);

// The built-in picture of a part, drawn for a screen of that pixel ratio.
QPixmap builtInPicture(SkinPart part, qreal pixelRatio = 1.0);

// The skin files present under programDir/Skin, in the order they are applied:
// 1001.jpg, 1002.jpg, 1002.gif, 1003.jpg, 1004.jpg. A later file for the same
// part wins, so a gif beside a jpg of the emblem is the one shown. On a
// screen of a pixel ratio above 1, a file's "@2x" twin (1001@2x.jpg) stands
// in for it when present.
QList<SkinFile> skinFiles(const QString& programDir, qreal pixelRatio = 1.0);

} // namespace tarnby::ui
