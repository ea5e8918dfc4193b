#pragma once
// The plugin's root object: hosts find it by the identifier "Lundar.Lundar1"
// and ask it for controls.

#include "datepicker/LundarDispatch.h"

#include <QObject>

namespace lundar {

class LundarPlugin : public QObject, public LundarFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LUNDAR_IID FILE "lundar.json")
    Q_INTERFACES(lundar::LundarFactory)

public:
    QWidget* create(QWidget* parent) override;
};

} // namespace lundar
