#pragma once
// The hosted Lundar1 date picker. The control lives in a plugin beside the
// program and is never linked: it is found by its identifier, created through
// the plugin's factory and reached member by member through the meta-object
// system, by the names that its fixed dispatch ids stand for.

#include <QDate>
#include <QPointer>
#include <QString>
#include <cstdint>

class QPluginLoader;
class QWidget;

namespace tarnby::ui {

class LundarHost {
public:
    // Looks for the plugin in programDir/plugins; nothing is created yet.
    explicit LundarHost(const QString& programDir);
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
    QString pluginFolder_;
    QPluginLoader* loader_ = nullptr;
    QPointer<QWidget> control_;
    QString problem_;
};

} // namespace tarnby::ui
