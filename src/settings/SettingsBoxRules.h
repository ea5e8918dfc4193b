#pragma once
// What the settings page does with a box of sTxt(0)..sTxt(21) when the user
// leaves it, and what it insists on before a save. Pure functions over the
// texts, so the page only copies results back and shows the messages.

#include <QString>

namespace tarnby::settingsbox {

inline constexpr int kBoxCount = 22;
inline constexpr int kFirstTimeBox = 2;   // sTxt(2), field 1 of the time line
inline constexpr int kLastMode1Box = 13;  // sTxt(13), field 12
inline constexpr int kLastTimeBox = 19;   // sTxt(19), field 18
inline constexpr int kNumberCellBox = 20; // sTxt(20)
inline constexpr int kTimeCellBox = 21;   // sTxt(21)

// What the cell boxes show when Init.ini gives nothing (the working times'
// defaults are config::kDefaultTimeFields).
inline const QString kDefaultNumberCell = QStringLiteral("A1");
inline const QString kDefaultTimeCell = QStringLiteral("B2");

inline const QString kNoNumberMessage = QStringLiteral("请输入员工编号！");
inline const QString kNoNameMessage = QStringLiteral("请输入员工姓名！");
inline const QString kBadTimeMessage = QStringLiteral("请输入正确的时间！");
inline const QString kSeparatorInEntryMessage = QStringLiteral("员工编号和姓名中不能含有空格或逗号！");
inline const QString kHashInEntryMessage =
    QStringLiteral("员工编号和姓名中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！");
inline const QString kReservedNumberMessage = QStringLiteral("编号0000表示全体员工，不能用作员工编号！");
inline const QString kBadCellMessage = QStringLiteral("请输入正确的单元格名称（列字母加一位行号，如D2）！");

enum class Kind { Text, Hour, Minute };

// sTxt(2), (4), ... (18) are hours, the odd ones between them minutes; the
// roster and cell boxes take any text.
Kind kindOf(int box);

struct Left {
    QString text;
    bool wrongTime = false; // the message is due and the focus goes back
};

// The box's text after the user left it: names and cells upper-cased; an hour
// of 24 becomes "00"; a time box is always two digits afterwards, except that
// a wrong time (minute 60 or more, hour above 24) stays as typed.
Left leave(int box, const QString& text);

// Empty when the text may be saved as a cell name: a column letter and a row
// digit 1-9.
QString cellError(const QString& text);

struct EntryCheck {
    QString message; // empty when the entry may be added
    int box = -1;    // sTxt(0) or sTxt(1), the box at fault
    bool ok() const { return message.isEmpty(); }
};

// Whether the number and name may become a roster entry. The entry is kept as
// "number name" and stored as "number,name", so neither may hold a space or a
// comma; "0000" stands for all employees elsewhere. Both end up as fields of
// registration lines joined by "##", so neither may hold "##" or begin or
// end with "#" (see hashBreaksField).
EntryCheck checkEntry(const QString& number, const QString& name);

// True when the text cannot be a field of a line joined by "##": it holds
// "##", or a "#" at either end would make "###" with its neighbour separator
// and the line would split one character off on reading ("工牌#" + "##" +
// "不计漏打1次" reads back as "工牌" and "#不计漏打1次").
bool hashBreaksField(const QString& text);

} // namespace tarnby::settingsbox
