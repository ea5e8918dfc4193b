#include "datepicker/LundarPlugin.h"

#include "datepicker/Lundar1.h"

namespace lundar {

QWidget* LundarPlugin::create(QWidget* parent)
{
    return new Lundar1(parent);
}

} // namespace lundar
