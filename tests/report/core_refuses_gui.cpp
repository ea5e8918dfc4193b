// Built against the core alone, this must not compile: the core cannot see
// Qt's GUI module.
#include <QPainter>
