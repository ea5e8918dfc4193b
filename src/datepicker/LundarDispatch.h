#pragma once
// What a host needs to know of the Lundar1 control without linking it: the
// plugin's identifier, the factory interface the plugin object implements, and
// the fixed dispatch identifiers of the control's members. Hosts load the plugin
// with QPluginLoader, create the widget through the factory and reach every
// member late, through QMetaObject, by the name that its dispatch id maps to.
//
// Header-only and Qt Core only, so that including it pulls in nothing of the
// control's implementation.

#include <QDateTime>
#include <QDir>
#include <QMetaMethod>
#include <QMetaObject>
#include <QObject>
#include <QPluginLoader>
#include <QString>
#include <QtPlugin>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class QWidget;

#define LUNDAR_IID "Lundar.Lundar1"

namespace lundar {

inline constexpr const char* kProgId = LUNDAR_IID;

enum class MemberKind { Property, Method };

struct DispatchMember {
    std::int32_t id;
    std::string_view name;
    MemberKind kind;
};

// The control's interface in its published order. Properties are Q_PROPERTYs
// of the widget, methods are Q_INVOKABLEs taking one QDateTime `theDate` and
// returning a QString.
inline constexpr std::array<DispatchMember, 16> kDispatchTable = {{
    {0x68030009, "BottomBackColor", MemberKind::Property},
    {0x68030008, "DateBackColor", MemberKind::Property},
    {0x68030007, "GridLinesColor", MemberKind::Property},
    {0x68030006, "SelectColor", MemberKind::Property},
    {0x68030005, "ShowVerticalGrid", MemberKind::Property},
    {0x68030004, "ShowHorizontalGrid", MemberKind::Property},
    {0x68030003, "TitleBackColor", MemberKind::Property},
    {0x68030002, "WeekBackColor", MemberKind::Property},
    {0x68030001, "Value", MemberKind::Property},
    {0x68030000, "Big", MemberKind::Property},
    {0x60030023, "GetChineseDate", MemberKind::Method},
    {0x60030024, "GetChineseYear", MemberKind::Method},
    {0x60030025, "GetChineseMonth", MemberKind::Method},
    {0x60030026, "GetChineseDay", MemberKind::Method},
    {0x60030027, "GetChineseAnimal", MemberKind::Method},
    {0x60030028, "GetConstellation", MemberKind::Method},
}};

// Named ids for the members the analyser binds to.
inline constexpr std::int32_t kDispValue = 0x68030001;
inline constexpr std::int32_t kDispGetChineseYear = 0x60030024;
inline constexpr std::int32_t kDispGetChineseMonth = 0x60030025;
inline constexpr std::int32_t kDispGetChineseDay = 0x60030026;

// The outgoing event: the widget's signal of this name, no arguments.
inline constexpr std::int32_t kDispClick = 1;
inline constexpr std::string_view kClickSignal = "Click";

// The member name of a dispatch id; empty for an unknown id.
constexpr std::string_view dispatchName(std::int32_t id)
{
    for (const DispatchMember& m : kDispatchTable) {
        if (m.id == id)
            return m.name;
    }
    return {};
}

// The name of a member of the given kind; empty when the id names none.
constexpr std::string_view dispatchName(std::int32_t id, MemberKind kind)
{
    for (const DispatchMember& m : kDispatchTable) {
        if (m.id == id && m.kind == kind)
            return m.name;
    }
    return {};
}

// Implemented by the plugin's root object.
class LundarFactory {
public:
    virtual ~LundarFactory() = default;
    // A new Lundar1 control, owned by parent (or by the caller when parent is null).
    virtual QWidget* create(QWidget* parent) = 0;
};

} // namespace lundar

Q_DECLARE_INTERFACE(lundar::LundarFactory, LUNDAR_IID)

namespace lundar {

// The factory of the first library in pluginDir whose metadata carries the
// control's identifier. The loader keeps the library loaded for the life of
// the process. Null, with the reason in *error, when none loads.
inline LundarFactory* findLundarFactory(const QString& pluginDir, QString* error = nullptr)
{
    const QDir dir(pluginDir);
    QString reason = QStringLiteral("no plugin with the identifier %1 in %2").arg(QLatin1String(kProgId), pluginDir);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QPluginLoader loader(dir.filePath(name));
        if (loader.metaData().value(QLatin1String("IID")).toString() != QLatin1String(kProgId))
            continue;
        if (auto* factory = qobject_cast<LundarFactory*>(loader.instance()))
            return factory;
        reason = loader.errorString();
    }
    if (error)
        *error = reason;
    return nullptr;
}

// Late-bound calls by dispatch id, as a host makes them.

inline QVariant getProperty(const QObject* control, std::int32_t dispId)
{
    const std::string_view name = dispatchName(dispId, MemberKind::Property);
    return name.empty() ? QVariant() : control->property(std::string(name).c_str());
}

inline bool setProperty(QObject* control, std::int32_t dispId, const QVariant& value)
{
    const std::string_view name = dispatchName(dispId, MemberKind::Property);
    return !name.empty() && control->setProperty(std::string(name).c_str(), value);
}

// One of the six query methods; *ok is false when the id names no method of
// the control or the call fails. An empty text with *ok true is the control's
// own error result.
inline QString callQuery(QObject* control, std::int32_t dispId, const QDateTime& theDate, bool* ok = nullptr)
{
    QString result;
    const std::string_view name = dispatchName(dispId, MemberKind::Method);
    const bool called = !name.empty()
        && QMetaObject::invokeMethod(control, std::string(name).c_str(), Qt::DirectConnection,
                                     Q_RETURN_ARG(QString, result), Q_ARG(QDateTime, theDate));
    if (ok)
        *ok = called;
    return result;
}

} // namespace lundar
