#include "app/qt_languages.h"

#include <QLocale>
#include <QStringList>

namespace joyvane::app {

std::vector<std::string> QtLanguages::preferredLanguages() const {
    std::vector<std::string> languages;
    for (const QString& tag : QLocale::system().uiLanguages()) {
        languages.push_back(tag.toStdString());
    }
    return languages;
}

}  // namespace joyvane::app
