#include "qt/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace tintwatch {

namespace {

constexpr const char* kPrefix = "tintwatch_";

QString& Installed() {
  static QString language;
  return language;
}

QString Translate(const char* context, const char* text) { return QCoreApplication::translate(context, text); }

std::string Utf8(const QString& text) { return text.toStdString(); }

}  // namespace

QStringList TranslationFolders() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  return {programDir.filePath(QStringLiteral("translations")),
          programDir.filePath(QStringLiteral("../share/tintwatch/translations"))};
}

QString TranslationFor(const QLocale& locale, const QStringList& folders) {
  for (QString language : locale.uiLanguages()) {
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    // English is the program's own: a user who puts it before another
    // language gets it, not the next one down the list.
    if (language == QLatin1String("C") || language == QLatin1String("en") ||
        language.startsWith(QLatin1String("en_"))) {
      return {};
    }
    // de_AT, then de; zh_Hans_CN, zh_Hans, zh.
    for (QString name = language; !name.isEmpty(); name = name.section(QLatin1Char('_'), 0, -2)) {
      for (const QString& folder : folders) {
        if (QFileInfo::exists(QDir(folder).filePath(kPrefix + name + QStringLiteral(".qm")))) return name;
      }
      if (!name.contains(QLatin1Char('_'))) break;
    }
  }
  return {};
}

QString LoadTranslations(QTranslator& program, QTranslator& toolkit, const QLocale& locale) {
  const QStringList folders = TranslationFolders();
  const QString language = TranslationFor(locale, folders);
  if (language.isEmpty()) return {};
  for (const QString& folder : folders) {
    if (program.load(kPrefix + language, folder)) break;
  }
  if (program.isEmpty()) return {};
  // Qt's own texts in the same language: where Qt keeps them, else beside
  // the program's (a Windows program carries them in its own folder);
  // without them the program's are still worth having.
  const QStringList toolkitFolders = QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath)} + folders;
  for (const QString& name : {language, language.section(QLatin1Char('_'), 0, 0)}) {
    for (const QString& folder : toolkitFolders) {
      if (toolkit.load(QStringLiteral("qtbase_") + name, folder)) return language;
    }
  }
  return language;
}

QString InstallTranslations(const QLocale& locale) {
  auto* program = new QTranslator(QCoreApplication::instance());
  auto* toolkit = new QTranslator(QCoreApplication::instance());
  const QString language = LoadTranslations(*program, *toolkit, locale);
  if (!toolkit->isEmpty()) QCoreApplication::installTranslator(toolkit);
  // Installed last, so looked at first.
  if (!program->isEmpty()) QCoreApplication::installTranslator(program);
  Installed() = program->isEmpty() ? QString() : language;
  return language;
}

QString InstalledLanguage() { return Installed(); }

QString HelpPageFor(const QString& language, const QStringList& folders) {
  QStringList names;
  if (!language.isEmpty()) names << QStringLiteral("tintwatch-help_") + language + QStringLiteral(".html");
  names << QStringLiteral("tintwatch-help.html");
  for (const QString& name : names) {
    for (const QString& folder : folders) {
      const QString page = QDir(folder).filePath(name);
      if (QFileInfo::exists(page)) return page;
    }
  }
  return {};
}

namespace {

// Read by the toolkit when a translation is installed: "RTL" lays every
// window out right to left (the clock pins its own to left to right). Qt's
// own translations say it too; the program's say it where those are missing.
struct SourceAndComment {
  const char* source;
  const char* comment;
};
[[maybe_unused]] constexpr SourceAndComment kLayoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages "
    "(such as Hebrew and Arabic) to get proper widget layout.");

}  // namespace

ColourWording TranslatedColourWording() {
  // Each language names the twelve hues as its speakers name colours, and
  // words each level as a phrase around the hue's name, so that its words
  // agree however they are ordered.
  static const char* const hues[12] = {
      QT_TRANSLATE_NOOP("Colour", "red"),   QT_TRANSLATE_NOOP("Colour", "orange"),
      QT_TRANSLATE_NOOP("Colour", "yellow"), QT_TRANSLATE_NOOP("Colour", "lime"),
      QT_TRANSLATE_NOOP("Colour", "green"), QT_TRANSLATE_NOOP("Colour", "jade"),
      QT_TRANSLATE_NOOP("Colour", "cyan"),  QT_TRANSLATE_NOOP("Colour", "azure"),
      QT_TRANSLATE_NOOP("Colour", "blue"),  QT_TRANSLATE_NOOP("Colour", "violet"),
      QT_TRANSLATE_NOOP("Colour", "magenta"), QT_TRANSLATE_NOOP("Colour", "rose")};
  ColourWording words;
  for (std::size_t i = 0; i < words.hues.size(); ++i) words.hues[i] = Utf8(Translate("Colour", hues[i]));
  //: A colour below half saturation; %1 is the hue's name.
  words.pale = Utf8(QCoreApplication::translate("Colour", "pale %1"));
  //: A colour below 60 % brilliance; %1 is the hue's name.
  words.dark = Utf8(QCoreApplication::translate("Colour", "dark %1"));
  //: A colour both pale and dark; %1 is the hue's name.
  words.dull = Utf8(QCoreApplication::translate("Colour", "dull %1"));
  words.black = Utf8(QCoreApplication::translate("Colour", "black"));
  words.white = Utf8(QCoreApplication::translate("Colour", "white"));
  words.grey = Utf8(QCoreApplication::translate("Colour", "grey"));
  words.darkGrey = Utf8(QCoreApplication::translate("Colour", "dark grey"));
  //: The tip's second line: the colours of the hour, minute and second hands.
  words.hands = Utf8(QCoreApplication::translate("Colour", "hour %1, minute %2, second %3"));
  return words;
}

namespace {

std::string MissedSentence(int missed) {
  //: The hue test's result: %n changes were missed; %1 lists their hues in degrees, joined as the text
  //: "%1, %2" is.
  return Utf8(QCoreApplication::translate(
      "HueTest", "These are the %n changes of colour you missed, when it changed to %1", nullptr, missed));
}

}  // namespace

ResultWording TranslatedResultWording() {
  // Translated when the run ends, with the number: each language has its
  // plural forms and writes each sentence whole. English keeps "1 changes".
  ResultWording words;
  words.missed = MissedSentence;
  words.missedAndTwice = [](int missed) {
    //: The hue test's result when a key was also pressed twice or more after some changes: %n changes were
    //: missed; %1 lists their hues, %2 the hues that got a key twice, in degrees, each joined as the text
    //: "%1, %2" is.
    return Utf8(QCoreApplication::translate(
        "HueTest",
        "These are the %n changes of colour you missed, when it changed to %1 but you hit the key at least twice on "
        "%2",
        nullptr, missed));
  };
  // English keeps its own spaced list (" 30  90 "); a language lists the
  // hues as it lists things.
  words.list = [](const std::vector<int>& hues) {
    if (MissedSentence(1) == ResultWording{}.missed(1)) return ResultWording{}.list(hues);
    //: Joins the hues (in degrees) of the hue test's lists, one at a time: %1 the list so far, %2 the next
    //: hue ("30, 60, 90").
    const QString join = QCoreApplication::translate("HueTest", "%1, %2");
    QString listed;
    for (const int hue : hues) {
      listed = listed.isEmpty() ? QString::number(hue) : join.arg(listed, QString::number(hue));
    }
    return Utf8(listed);
  };
  words.allSeen = Utf8(QCoreApplication::translate(
      "HueTest",
      "You saw all the changes - test again?  Or you could change the Brilliance or Saturation and see if that "
      "changes things."));
  return words;
}

}  // namespace tintwatch
