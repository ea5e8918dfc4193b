#pragma once
// What Lundar1 tells the accessibility bridge. Not installed.

namespace lundar {

class Lundar1;

// From now on a screen reader sees every Lundar1 as a table of its days.
void installLundar1Accessibility();
// Tells a screen reader that the keys moved to another day.
void announcePickedDay(Lundar1* control);

} // namespace lundar
