#pragma once
// An entry of the employee pickers: whose number, under which name. The
// pickers, the printed picker of tarnby-cli and the roster list show it as
// "NUMBER NAME"; everywhere else it travels as this value. Which employee
// numbers count as the same is up to the rules of EmployeeNumber.h.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tarnby {

struct PickerEntry {
    QString number;
    // Nothing when the text named a number alone ("0001", as tarnby-cli
    // takes it): the registrations and the duty roster refuse such an entry.
    std::optional<QString> name;

    // The one reading of a shown or stored text: the number is the text before
    // its first blank and the name the text after it. A number holding a blank
    // (a hand-edited roster, a clock's text cell) therefore reads up to the
    // blank, as every reader of the pickers has always taken it.
    static PickerEntry fromText(const QString& text);
    // "NUMBER NAME", or the number alone.
    QString text() const;

    // The picker with nobody in it holds "====请选择===="; any entry beginning
    // "==" stands for nobody to analyse.
    static PickerEntry placeholder();
    bool isPlaceholder() const;
    // The placeholder as a picker shows it, in the user's language; it too
    // begins "==". Stored and printed texts keep placeholder().text().
    static QString shownPlaceholder();

    friend bool operator==(const PickerEntry&, const PickerEntry&) = default;
};

size_t qHash(const PickerEntry& entry, size_t seed = 0);

// What a picker holding `entries` shows.
QStringList pickerTexts(const QList<PickerEntry>& entries);

} // namespace tarnby
