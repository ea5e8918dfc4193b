#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace tarnby {
namespace {

std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

// A translator that leaves some contexts untranslated.
class KeepingTranslator : public QTranslator {
public:
    explicit KeepingTranslator(const QStringList& kept) : kept_(kept) {}

    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        if (kept_.contains(QLatin1StringView(context)))
            return {};
        return QTranslator::translate(context, sourceText, disambiguation, n);
    }

private:
    QStringList kept_;
};

bool load(const QString& name, const QStringList& folders, const QStringList& kept = {})
{
    auto translator = std::make_unique<KeepingTranslator>(kept);
    for (const QString& folder : folders) {
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator.get());
            installed().push_back(std::move(translator));
            return true;
        }
    }
    return false;
}

} // namespace

QString languageCode(Language language)
{
    switch (language) {
    case Language::TraditionalChinese:
        return QStringLiteral("zh_TW");
    case Language::English:
        return QStringLiteral("en");
    case Language::SimplifiedChinese:
        break;
    }
    return QStringLiteral("zh_CN");
}

std::optional<Language> languageFromCode(const QString& code)
{
    QString name = code.trimmed();
    name.truncate(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf(QLatin1Char('.')));
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return std::nullopt;
    const QLocale locale(name);
    if (locale.language() == QLocale::C)
        return std::nullopt;
    if (locale.language() != QLocale::Chinese && locale.language() != QLocale::English)
        return std::nullopt;
    return languageOfLocale(locale);
}

Language languageOfLocale(const QLocale& locale)
{
    if (locale.language() == QLocale::English)
        return Language::English;
    if (locale.language() == QLocale::Chinese && locale.script() == QLocale::TraditionalChineseScript)
        return Language::TraditionalChinese;
    return Language::SimplifiedChinese;
}

Language startLanguage(const QString& chosen)
{
    if (const auto fromEnvironment = languageFromCode(qEnvironmentVariable("TARNBY_LANG")))
        return *fromEnvironment;
    if (const auto choice = languageFromCode(chosen))
        return *choice;
    return languageOfLocale(QLocale::system());
}

QStringList translationFolders(const QString& exeDir)
{
    const QDir dir(exeDir);
    return {dir.filePath(QStringLiteral("translations")),
            QDir::cleanPath(dir.filePath(QStringLiteral(TARNBY_TRANSLATIONS_FROM_BINDIR)))};
}

bool useLanguage(Language language, const QStringList& folders, const QStringList& keptContexts)
{
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    const QString code = languageCode(language);
    if (language != Language::English)
        load(QStringLiteral("qt_") + code, {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    if (language == Language::SimplifiedChinese)
        return true;
    load(QStringLiteral("lundar_") + code, folders);
    return load(QStringLiteral("tarnby_") + code, folders, keptContexts);
}

} // namespace tarnby
