#include "ui/shell/Language.h"

#include "core/model/Settings.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

#include <memory>
#include <vector>

namespace vaz {

namespace {

const QString kLanguageKey = QStringLiteral("language");

std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

}  // namespace

QString startLanguage()
{
    const QString chosen = toolSettings()->value(kLanguageKey).toString();
    if (!chosen.isEmpty())
        return chosen;
    return QLocale().language() == QLocale::Turkish ? QStringLiteral("tr") : QStringLiteral("en");
}

bool useLanguage(const QString &language)
{
    for (const auto &t : installed())
        QCoreApplication::removeTranslator(t.get());
    installed().clear();
    if (language == u"en")
        return true;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/vazconfig_%1.qm").arg(language)))
        return false;
    QCoreApplication::installTranslator(own.get());
    installed().push_back(std::move(own));
    // Qt's own buttons and dialogs (Yes, No, Cancel, the file dialog); without them they stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed().push_back(std::move(qt));
    }
    return true;
}

void addLanguageMenu(QMenu *menu, std::function<void(const QString &)> tell)
{
    QMenu *languages = menu->addMenu(QCoreApplication::translate("vaz::Language", "&Language"));
    languages->setObjectName(QStringLiteral("MnLanguage"));
    languages->menuAction()->setObjectName(QStringLiteral("MnLanguage"));
    auto *group = new QActionGroup(languages);
    const QString current = startLanguage();
    // Each language by its own name, so that it can be found whatever is shown.
    const struct {
        const char *code;
        const char *name;
    } choices[] = {{"en", "&English"}, {"tr", "&Türkçe"}};
    for (const auto &c : choices) {
        QAction *a = languages->addAction(QString::fromUtf8(c.name));
        a->setObjectName(QStringLiteral("MnLanguage_%1").arg(QLatin1String(c.code)));
        a->setCheckable(true);
        a->setChecked(current == QLatin1String(c.code));
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, languages, [tell, code = QString::fromLatin1(c.code)] {
            toolSettings()->setValue(kLanguageKey, code);
            tell(QCoreApplication::translate("vaz::Language", "The language changes at the next start."));
        });
    }
}

}  // namespace vaz
