#include "LundarDesignerPlugin.h"

#include "datepicker/Lundar1.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace lundar {

LundarDesignerPlugin::LundarDesignerPlugin(QObject* parent) : QObject(parent) {}

// The class with its namespace, so that uic declares the member as
// lundar::Lundar1; the widget box shows the display name of domXml().
QString LundarDesignerPlugin::name() const
{
    return QStringLiteral("lundar::Lundar1");
}

QString LundarDesignerPlugin::group() const
{
    return QStringLiteral("Input Widgets");
}

QString LundarDesignerPlugin::toolTip() const
{
    return QStringLiteral("Lundar1 农历日期选择");
}

QString LundarDesignerPlugin::whatsThis() const
{
    return QStringLiteral("A lunar-calendar date picker: Value is the picked date, "
                          "ValueChanged follows every change of it, Click a day picked with the mouse.");
}

QString LundarDesignerPlugin::includeFile() const
{
    return QStringLiteral("lundar/Lundar1.h");
}

// A small month sheet: a title band over a grid, one cell selected.
QIcon LundarDesignerPlugin::icon() const
{
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(1, 2, 20, 5, QColor(0xC0, 0xC0, 0xC0));
    p.fillRect(1, 7, 20, 13, QColor(0xE0, 0xE0, 0xE0));
    p.fillRect(9, 11, 5, 4, QColor(0xC0, 0xC0, 0xFF));
    p.setPen(QColor(0, 0, 0x80));
    for (int x = 4; x < 21; x += 5)
        p.drawLine(x, 7, x, 19);
    p.drawLine(1, 11, 20, 11);
    p.drawLine(1, 15, 20, 15);
    p.setPen(Qt::black);
    p.drawRect(1, 2, 19, 18);
    return QIcon(pixmap);
}

bool LundarDesignerPlugin::isContainer() const
{
    return false;
}

QWidget* LundarDesignerPlugin::createWidget(QWidget* parent)
{
    return new Lundar1(parent);
}

bool LundarDesignerPlugin::isInitialized() const
{
    return m_initialized;
}

void LundarDesignerPlugin::initialize(QDesignerFormEditorInterface*)
{
    m_initialized = true;
}

QString LundarDesignerPlugin::domXml() const
{
    return QStringLiteral(
        "<ui language=\"c++\" displayname=\"Lundar1\">\n"
        " <widget class=\"lundar::Lundar1\" name=\"lundar1\"/>\n"
        " <customwidgets>\n"
        "  <customwidget>\n"
        "   <class>lundar::Lundar1</class>\n"
        "   <extends>QWidget</extends>\n"
        "   <header>lundar/Lundar1.h</header>\n"
        "  </customwidget>\n"
        " </customwidgets>\n"
        "</ui>\n");
}

} // namespace lundar
