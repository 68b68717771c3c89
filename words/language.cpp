#include "words/language.h"

#include "core/said.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <memory>
#include <vector>

namespace words {

namespace {

// The program's translations are built into it, one file for each part of
// it that speaks (translations/*.ts): the core's sentences, the windows,
// the command line and its pages.
constexpr const char* parts[] = { "core", "windows", "command" };

struct Chosen {
    QString code = QStringLiteral("en");
    std::vector<std::unique_ptr<QTranslator>> translators; // the program's, then Qt's
    QPointer<QCoreApplication> installedIn; // the application object they are installed in
};

Chosen& chosen()
{
    static Chosen state;
    return state;
}

std::string coreTranslation(const char* context, const char* text)
{
    return translate(context, text).toStdString();
}

void uninstall(Chosen& state)
{
    if (state.installedIn && state.installedIn == QCoreApplication::instance())
        for (const auto& translator : state.translators)
            QCoreApplication::removeTranslator(translator.get());
    state.installedIn = nullptr;
}

} // namespace

QStringList knownLanguages()
{
    return { QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
        QStringLiteral("es") };
}

QString desktopLanguage()
{
    const QStringList known = knownLanguages();
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (known.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

bool chooseLanguage(const QString& code)
{
    if (!knownLanguages().contains(code))
        return false;
    Chosen& state = chosen();
    uninstall(state);
    state.translators.clear();
    state.code = code;
    if (code != QLatin1String("en")) {
        for (const char* part : parts) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(QStringLiteral(":/i18n/%1_%2.qm").arg(QLatin1String(part), code)))
                state.translators.push_back(std::move(translator));
        }
        // Qt's own texts (file dialogs, Yes and No) from the system's
        // translations, when they are installed.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + code,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            state.translators.push_back(std::move(qt));
    }
    core::SetTranslation(state.translators.empty() ? nullptr : coreTranslation);
    if (QCoreApplication::instance())
        installTranslators();
    return true;
}

void chooseTranslation(std::unique_ptr<QTranslator> translation)
{
    Chosen& state = chosen();
    uninstall(state);
    state.translators.clear();
    state.translators.push_back(std::move(translation));
    state.code = QStringLiteral("x-own");
    core::SetTranslation(coreTranslation);
    if (QCoreApplication::instance())
        installTranslators();
}

QString chosenLanguage()
{
    return chosen().code;
}

void installTranslators()
{
    Chosen& state = chosen();
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || state.installedIn == app)
        return;
    for (const auto& translator : state.translators)
        QCoreApplication::installTranslator(translator.get());
    state.installedIn = app;
}

QString translate(const char* context, const char* text)
{
    for (const auto& translator : chosen().translators) {
        const QString found = translator->translate(context, text);
        if (!found.isNull())
            return found;
    }
    return QString::fromUtf8(text);
}

} // namespace words
