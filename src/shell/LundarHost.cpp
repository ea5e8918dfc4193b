#include "LundarHost.h"

#include "datepicker/LundarDispatch.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QJsonObject>
#include <QLibrary>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QWidget>

namespace tarnby::ui {
namespace {

QByteArray memberName(std::int32_t dispatchId)
{
    const std::string_view name = lundar::dispatchName(dispatchId);
    return QByteArray(name.data(), static_cast<qsizetype>(name.size()));
}

// The date as the member expects it: the control takes dates as date-times at
// midnight, but a plain date is accepted as well.
QVariant dateArgument(QMetaType type, const QDate& date)
{
    if (type.id() == QMetaType::QDate)
        return QVariant(date);
    return QVariant(QDateTime(date, QTime(0, 0)));
}

QStringList& searchFoldersSet()
{
    static QStringList folders;
    return folders;
}

} // namespace

LundarHost::LundarHost(const QString& programDir)
    : pluginFolders_(searchFoldersSet())
{
    if (pluginFolders_.isEmpty())
        pluginFolders_.append(QDir(programDir).filePath(QStringLiteral("plugins")));
}

void LundarHost::setSearchFolders(const QStringList& folders)
{
    searchFoldersSet() = folders;
}

QStringList LundarHost::installedSearchFolders()
{
    // A plugin beside the executable wins, so a build tree or a portable copy
    // uses its own control even where another version is installed.
    const QDir bin(QCoreApplication::applicationDirPath());
    QStringList folders{bin.filePath(QStringLiteral("plugins"))};
    // /usr/bin/../lib/<multiarch>/tarnby/plugins for the packaged program.
    const QString installed = QDir::cleanPath(bin.filePath(QStringLiteral(TARNBY_PLUGINS_FROM_BINDIR)));
    if (!folders.contains(installed))
        folders.append(installed);
    return folders;
}

LundarHost::~LundarHost()
{
    // The control is a child of the window and goes with it; the library stays
    // loaded until the program ends, as the control's code may still run then.
    delete loader_;
}

QWidget* LundarHost::create(QWidget* parent)
{
    if (control_)
        return control_;
    QString lastError;
    for (const QString& folderPath : pluginFolders_) {
        const QDir folder(folderPath);
        const QStringList names = folder.entryList(QDir::Files, QDir::Name);
        for (const QString& name : names) {
            const QString path = folder.filePath(name);
            if (!QLibrary::isLibrary(path))
                continue;
            auto loader = new QPluginLoader(path);
            if (loader->metaData().value(QStringLiteral("IID")).toString() != QLatin1String(lundar::kProgId)) {
                delete loader;
                continue;
            }
            QObject* root = loader->instance();
            auto factory = qobject_cast<lundar::LundarFactory*>(root);
            if (!factory) {
                lastError = loader->errorString();
                delete loader;
                continue;
            }
            // A second usable plugin must not replace the loader whose
            // factory made nothing; only one is kept.
            delete loader_;
            loader_ = loader;
            control_ = factory->create(parent);
            if (control_) {
                problem_.clear();
                return control_;
            }
        }
    }
    QStringList shown;
    for (const QString& folderPath : pluginFolders_)
        shown.append(QDir::toNativeSeparators(folderPath));
    problem_ = QCoreApplication::translate("LundarHost", "找不到日期控件 Lundar.Lundar1（应在 %1 中）").arg(shown.join(QCoreApplication::translate("LundarHost", "、")));
    if (!lastError.isEmpty())
        problem_ += QCoreApplication::translate("LundarHost", "：") + lastError;
    problem_ += QCoreApplication::translate("LundarHost", "。\r\n今日页只显示公历日期，农历与日期选择不可用。");
    return nullptr;
}

QDate LundarHost::value() const
{
    if (!control_)
        return {};
    const QVariant v = control_->property(memberName(lundar::kDispValue).constData());
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.toDate();
}

void LundarHost::setValue(const QDate& date)
{
    if (!control_)
        return;
    const QMetaObject* meta = control_->metaObject();
    const int index = meta->indexOfProperty(memberName(lundar::kDispValue).constData());
    if (index < 0)
        return;
    const QMetaProperty property = meta->property(index);
    property.write(control_, dateArgument(property.metaType(), date));
}

QString LundarHost::callText(std::int32_t dispatchId, const QDate& date) const
{
    if (!control_)
        return {};
    const QByteArray name = memberName(dispatchId);
    if (name.isEmpty())
        return {};
    const QMetaObject* meta = control_->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != name || method.parameterCount() != 1)
            continue;
        const QVariant argument = dateArgument(method.parameterMetaType(0), date);
        QString result;
        bool invoked = false;
        if (argument.metaType().id() == QMetaType::QDate) {
            invoked = method.invoke(control_, Qt::DirectConnection, Q_RETURN_ARG(QString, result),
                                    Q_ARG(QDate, argument.toDate()));
        } else {
            invoked = method.invoke(control_, Qt::DirectConnection, Q_RETURN_ARG(QString, result),
                                    Q_ARG(QDateTime, argument.toDateTime()));
        }
        return invoked ? result : QString();
    }
    return {};
}

} // namespace tarnby::ui
