#pragma once
// Where the tests find what the repository and the build provide. The
// repository ships dist/ and the build makes tarnby-cli and the date-picker
// plugin before any test runs: when one of them is missing the checkout or
// the build is broken, and the test stops with a failure instead of skipping.
// Only the public fixtures in ../shared may be absent.

#include <QString>

namespace testsupport {

// A file or folder shipped in dist/ ("Init.ini", "Holidays.txt"); dist/
// itself for an empty path.
QString distPath(const QString& relative);
// dist/Source, the sample month of November 2026.
QString sampleFolder();
// The build's program folder and the date-picker plugins in its plugins/.
QString builtProgramDir();
QString builtPlugins();
// tarnby-cli as built.
QString cliPath();
// A path in ../shared ("fixtures/timeclock"); empty when it is not there.
QString sharedPath(const QString& relative);

} // namespace testsupport
