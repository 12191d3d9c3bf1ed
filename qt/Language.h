#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include "core/face/TimeInWords.h"
#include "core/huetest/HueTestRun.h"

class QTranslator;

namespace tintwatch {

// The language the program speaks: the first of the user's languages (in
// the order of QLocale::uiLanguages, which on Linux follows LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG, on Windows the display language) that has a
// translation, a regional variant falling back to its language (de_AT to
// de). English, or a language with none, leaves the English texts.

// The folders the program's translations are looked for in: beside the
// program (the build tree, Windows) and in the shared data of an installed
// program. Needs the application object for the program's folder.
QStringList TranslationFolders();

// The name of the translation file's language for `locale` ("de", "pt_BR",
// "zh_CN"), found in `folders`; empty for English or where none fits.
QString TranslationFor(const QLocale& locale, const QStringList& folders);

// Loads the program's translation for `locale` into `program` and Qt's own
// (message box buttons, a text box's menu, --help's frame) for the same
// language into `toolkit`. Returns the language loaded, empty for none.
QString LoadTranslations(QTranslator& program, QTranslator& toolkit, const QLocale& locale = QLocale::system());

// Loads and installs both translators on the running application, for its
// lifetime; the application then lays itself out right to left where the
// language is written so.
QString InstallTranslations(const QLocale& locale = QLocale::system());

// The language InstallTranslations loaded last, empty for English.
QString InstalledLanguage();

// The help page in `language` (tintwatch-help_de.html, named as the
// translation file is), looked for in `folders` in turn; else the English
// tintwatch-help.html; empty when neither is there.
QString HelpPageFor(const QString& language, const QStringList& folders);

// The clock's colour words and the hue test's result in the installed
// language (English without one).
ColourWording TranslatedColourWording();
ResultWording TranslatedResultWording();

}  // namespace tintwatch
