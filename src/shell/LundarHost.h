#pragma once
// The hosted Lundar1 date picker. The control lives in a plugin beside the
// program (or in the installed plugin folder) and is never linked: it is found by its identifier, created through
// the plugin's factory and reached member by member through the meta-object
// system, by the names that its fixed dispatch ids stand for.

#include <QDate>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>

class QPluginLoader;
class QWidget;

namespace tarnby::ui {

class LundarHost {
public:
    // Looks for the plugin in the search folders (see setSearchFolders), or,
    // when none are set, in programDir/plugins; nothing is created yet.
    explicit LundarHost(const QString& programDir);

    // Where every host created afterwards looks for the plugin, in order. The
    // window's main sets installedSearchFolders(); left empty, a host looks in
    // its program folder's plugins/ (what the tests arrange).
    static void setSearchFolders(const QStringList& folders);
    // plugins/ beside the executable, then the installed plugin folder.
    static QStringList installedSearchFolders();
    QStringList searchFolders() const { return pluginFolders_; }
    ~LundarHost();
    LundarHost(const LundarHost&) = delete;
    LundarHost& operator=(const LundarHost&) = delete;

    // Creates the control as a child of parent. Nothing when the plugin is
    // missing or unusable; problem() then says what is missing.
    QWidget* create(QWidget* parent);
    QWidget* control() const { return control_; }
    bool isAvailable() const { return !control_.isNull(); }
    QString problem() const { return problem_; }

    // The control's Value as a calendar date; invalid without a control.
    QDate value() const;
    void setValue(const QDate& date);

    // One of the text methods (GetChineseYear, ...) by its dispatch id, asked
    // for the given date; empty without a control or for an unknown id.
    QString callText(std::int32_t dispatchId, const QDate& date) const;

private:
    QStringList pluginFolders_;
    QPluginLoader* loader_ = nullptr;
    QPointer<QWidget> control_;
    QString problem_;
};

} // namespace tarnby::ui
