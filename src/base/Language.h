#pragma once
// The language the texts are shown in. The source texts are simplified
// Chinese, so that language needs no translation of ours; Qt's own texts
// (dialog buttons, file and print dialogs) are loaded for every language.
// Stored files never change with the language.

#include <QString>
#include <QStringList>
#include <optional>

class QLocale;

namespace tarnby {

enum class Language { SimplifiedChinese, TraditionalChinese, English };

// "zh_CN", "zh_TW", "en": the codes of TARNBY_LANG, `--lang` and the stored choice.
QString languageCode(Language language);
// A code or a locale name ("zh_TW", "zh_HK.UTF-8", "en_GB", "zh-Hant"); nothing
// for one none of the three languages serves.
std::optional<Language> languageFromCode(const QString& code);
// A locale this program has no language for reads the source texts.
Language languageOfLocale(const QLocale& locale);

// TARNBY_LANG, else the user's choice (empty for none), else the system locale.
Language startLanguage(const QString& chosen = {});

// Where the translations lie for an executable in exeDir: beside it (the build
// tree and a portable copy), then the installed share/tarnby/translations.
QStringList translationFolders(const QString& exeDir);

// Replaces the application's translators with those of the language. A
// missing file of ours leaves the source texts and is reported by false. The
// texts of keptContexts stay in the source language: the command line prints
// some texts as data, which never change with the language.
bool useLanguage(Language language, const QStringList& folders, const QStringList& keptContexts = {});

} // namespace tarnby
