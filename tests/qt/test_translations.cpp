#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <iterator>
#include <string>
#include <vector>

#include "qt/Language.h"

namespace tintwatch {
namespace {

const QString kSources = QStringLiteral(TINTWATCH_SOURCE_DIR);
const QString kBuilt = QStringLiteral(TINTWATCH_TRANSLATIONS);

// One text of a translation file.
struct Message {
  QString context, source, comment, translation, type;
  bool numerus = false;
  QStringList forms;  // a numerus text's plural forms, in the language's order
};

QList<Message> ReadMessages(const QByteArray& xml) {
  QList<Message> messages;
  QXmlStreamReader reader(xml);
  QString context;
  Message message;
  while (!reader.atEnd()) {
    reader.readNext();
    if (!reader.isStartElement()) continue;
    const auto name = reader.name();
    if (name == QLatin1String("name")) context = reader.readElementText();
    if (name == QLatin1String("message")) {
      message = Message{};
      message.context = context;
      message.numerus = reader.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    }
    if (name == QLatin1String("source")) message.source = reader.readElementText();
    if (name == QLatin1String("comment")) message.comment = reader.readElementText();
    if (name == QLatin1String("translation")) {
      message.type = reader.attributes().value(QLatin1String("type")).toString();
      if (message.numerus) {
        while (reader.readNextStartElement()) {
          if (reader.name() == QLatin1String("numerusform")) {
            message.forms << reader.readElementText();
          } else {
            reader.skipCurrentElement();
          }
        }
        message.translation = message.forms.value(0);
      } else {
        message.translation = reader.readElementText();
      }
      messages.append(message);
    }
  }
  EXPECT_FALSE(reader.hasError()) << qPrintable(reader.errorString());
  return messages;
}

QList<Message> ReadFile(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
  return ReadMessages(file.readAll());
}

QString Key(const Message& message) { return message.context + "|" + message.source + "|" + message.comment; }

// The places (%1, %2 ...) a text fills in, sorted.
QStringList Places(const QString& text) {
  QStringList places;
  static const QRegularExpression place(QStringLiteral("%[1-9]"));
  for (auto match = place.globalMatch(text); match.hasNext();) places << match.next().captured();
  places.sort();
  return places;
}

// The access keys: an "&" before a letter or digit; "&&" is an ampersand.
int AccessKeys(const QString& text) {
  int keys = 0;
  for (int i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    if (text[i + 1].isLetterOrNumber()) ++keys;
  }
  return keys;
}

int LeadingSpaces(const QString& text) {
  int n = 0;
  while (n < text.size() && text[n] == QLatin1Char(' ')) ++n;
  return n;
}

int TrailingSpaces(const QString& text) {
  int n = 0;
  while (n < text.size() && text[text.size() - 1 - n] == QLatin1Char(' ')) ++n;
  return n;
}

// Runs of three or more spaces: where a long text starts a new line.
int Breaks(const QString& text) {
  static const QRegularExpression run(QStringLiteral(" {3,}"));
  int breaks = 0;
  for (auto match = run.globalMatch(text); match.hasNext(); match.next()) ++breaks;
  return breaks;
}

// What is wrong with one language's texts against the program's: one line
// per fault, none when the file is complete and keeps every place, access
// key, break and the spaces at the ends, and a text with a number has every
// plural form the language has, each with the number.
QStringList Faults(const QList<Message>& program, const QList<Message>& translated) {
  QStringList faults;
  QMap<QString, Message> byKey;
  for (const Message& message : translated) byKey.insert(Key(message), message);
  for (const Message& wanted : program) {
    const QString what = wanted.context + " \"" + wanted.source + "\"";
    if (!byKey.contains(Key(wanted))) {
      faults << "missing: " + what;
      continue;
    }
    const Message& message = byKey.take(Key(wanted));
    const QStringList texts = message.numerus ? message.forms : QStringList{message.translation};
    if (!message.type.isEmpty() || texts.isEmpty() || texts.contains(QString())) {
      faults << (message.type.isEmpty() ? QStringLiteral("empty") : message.type) + ": " + what;
      continue;
    }
    if (wanted.source == QLatin1String("QT_LAYOUT_DIRECTION")) {
      if (message.translation != QLatin1String("LTR") && message.translation != QLatin1String("RTL")) {
        faults << "direction neither LTR nor RTL";
      }
      continue;
    }
    if (message.numerus != wanted.numerus || (wanted.numerus && texts.size() != wanted.forms.size())) {
      faults << QStringLiteral("plural forms %1 of %2: ").arg(message.numerus ? texts.size() : 0).arg(wanted.forms.size()) +
                    what;
      continue;
    }
    for (int form = 0; form < texts.size(); ++form) {
      const QString& text = texts[form];
      if (Places(text) != Places(wanted.source)) faults << "places " + Places(text).join(',') + ": " + what;
      if (AccessKeys(text) != AccessKeys(wanted.source)) faults << "access keys: " + what;
      if (Breaks(text) != Breaks(wanted.source)) faults << "line breaks (runs of spaces): " + what;
      if (text.count(QLatin1Char('\n')) != wanted.source.count(QLatin1Char('\n'))) faults << "lines: " + what;
      if (LeadingSpaces(text) != LeadingSpaces(wanted.source) ||
          TrailingSpaces(text) != TrailingSpaces(wanted.source)) {
        faults << "spaces at the ends: " + what;
      }
      // Every form says the number, except those that stand for one number
      // alone and may say it in words: Arabic's for 0, 1 and 2.
      if (wanted.numerus && !text.contains(QLatin1String("%n")) && !(wanted.forms.size() == 6 && form < 3)) {
        faults << QStringLiteral("no %n in plural form %1: ").arg(form) + what;
      }
      // A line that is only a place (a name on a line of its own) keeps it.
      static const QRegularExpression placeAlone(QStringLiteral("^%[1-9]$"));
      const QStringList wantedLines = wanted.source.split(QLatin1Char('\n'));
      const QStringList lines = text.split(QLatin1Char('\n'));
      for (int line = 0; line < wantedLines.size(); ++line) {
        if (placeAlone.match(wantedLines[line]).hasMatch() && !lines.value(line).contains(wantedLines[line])) {
          faults << wantedLines[line] + QStringLiteral(" not on line %1: ").arg(line + 1) + what;
        }
      }
    }
  }
  for (const Message& left : byKey) {
    if (left.type != QLatin1String("vanished") && left.type != QLatin1String("obsolete")) {
      faults << "not a text of the program: " + left.context + " \"" + left.source + "\"";
    } else {
      faults << "no longer used: " + left.context + " \"" + left.source + "\"";
    }
  }
  return faults;
}

QStringList TranslationFiles() {
  return QDir(kSources + "/translations").entryList({QStringLiteral("tintwatch_*.ts")}, QDir::Files, QDir::Name);
}

QString LanguageOf(const QString& file) { return file.mid(10).chopped(3); }  // tintwatch_pt_BR.ts: pt_BR

// The program's texts as they stand in its sources now, as lupdate finds
// them, with as many plural forms as Qt knows `language` to have.
QList<Message> ProgramTexts(const QString& language) {
  QTemporaryDir dir;
  const QString ts = dir.filePath(QStringLiteral("tintwatch_xx.ts"));
  QProcess lupdate;
  lupdate.setProcessChannelMode(QProcess::MergedChannels);
  lupdate.start(QStringLiteral(TINTWATCH_LUPDATE),
                {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                 QStringLiteral("-target-language"), language, QStringLiteral("-I"), kSources, kSources + "/qt",
                 QStringLiteral("-ts"), ts});
  EXPECT_TRUE(lupdate.waitForFinished(60000));
  EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();
  return ReadFile(ts);
}

// Every language's file has every text of the program, finished, with its
// places, access keys, line breaks, end spaces and plural forms; the nine
// languages are there; only Arabic is written right to left.
TEST(TranslationFilesTest, EveryLanguageIsCompleteAndKeepsWhatTheProgramNeeds) {
  EXPECT_EQ(TranslationFiles(), (QStringList{"tintwatch_ar.ts", "tintwatch_de.ts", "tintwatch_es.ts", "tintwatch_fr.ts",
                                             "tintwatch_it.ts", "tintwatch_ja.ts", "tintwatch_pt_BR.ts",
                                             "tintwatch_ru.ts", "tintwatch_zh_CN.ts"}));
  for (const QString& file : TranslationFiles()) {
    const QList<Message> program = ProgramTexts(LanguageOf(file));
    ASSERT_GE(program.size(), 80);
    const QList<Message> translated = ReadFile(kSources + "/translations/" + file);
    const QStringList faults = Faults(program, translated);
    EXPECT_TRUE(faults.isEmpty()) << qPrintable(file) << ":\n" << qPrintable(faults.join('\n'));
    for (const Message& message : translated) {
      if (message.source == QLatin1String("QT_LAYOUT_DIRECTION")) {
        EXPECT_EQ(message.translation, file == QLatin1String("tintwatch_ar.ts") ? "RTL" : "LTR") << qPrintable(file);
      }
    }
  }
}

// The check itself finds each kind of fault.
TEST(TranslationFilesTest, FaultsAreFound) {
  const auto file = [](const QString& messages) {
    return ReadMessages(("<TS><context><name>C</name>" + messages + "</context></TS>").toUtf8());
  };
  const QList<Message> program = file(
      "<message><source>hour %1, minute %2</source><translation type='unfinished'/></message>"
      "<message><source>&amp;Open</source><translation type='unfinished'/></message>"
      "<message><source>+ Bigger </source><translation type='unfinished'/></message>"
      "<message><source>One.   Two.</source><translation type='unfinished'/></message>"
      "<message><source>Max &amp; Min</source><translation type='unfinished'/></message>"
      "<message><source>To\n%1\nwho</source><translation type='unfinished'/></message>"
      "<message numerus='yes'><source>%n missed at %1</source><translation type='unfinished'>"
      "<numerusform/><numerusform/><numerusform/></translation></message>");
  const auto faultsOf = [&](const QString& messages) { return Faults(program, file(messages)).join('\n'); };
  const QString good =
      "<message><source>hour %1, minute %2</source><translation>Minute %2, Stunde %1</translation></message>"
      "<message><source>&amp;Open</source><translation>Ö&amp;ffnen</translation></message>"
      "<message><source>+ Bigger </source><translation>+ Größer </translation></message>"
      "<message><source>One.   Two.</source><translation>Eins.      Zwei.</translation></message>"
      "<message><source>Max &amp; Min</source><translation>Max &amp; Min</translation></message>"
      "<message><source>To\n%1\nwho</source><translation>An\n%1\nder</translation></message>"
      "<message numerus='yes'><source>%n missed at %1</source><translation><numerusform>%n смену у %1</numerusform>"
      "<numerusform>%n смены у %1</numerusform><numerusform>%n смен у %1</numerusform></translation></message>";
  EXPECT_EQ(faultsOf(good), "");
  const auto with = [&](const char* from, const char* to) { return faultsOf(QString(good).replace(from, to)); };
  EXPECT_TRUE(with("Minute %2, Stunde %1", "Minute %2, Stunde").startsWith("places")) << "a place lost";
  EXPECT_TRUE(with("Minute %2, Stunde %1", "Minute %2, Stunde %3").startsWith("places")) << "a wrong place";
  EXPECT_TRUE(with("Ö&amp;ffnen", "Öffnen").startsWith("access keys")) << "an access key lost";
  EXPECT_TRUE(with("Ö&amp;ffnen", "Ö&amp;&amp;ffnen").startsWith("access keys")) << "an access key made an ampersand";
  EXPECT_TRUE(with("+ Größer <", "+ Größer<").startsWith("spaces at the ends"));
  EXPECT_TRUE(with("Eins.      Zwei.", "Eins. Zwei.").startsWith("line breaks"));
  EXPECT_TRUE(with("<translation>Max", "<translation type='unfinished'>Max").startsWith("unfinished"));
  EXPECT_TRUE(with("<translation>+ Größer </translation>", "<translation></translation>").startsWith("empty"));
  EXPECT_TRUE(with("<source>Max &amp; Min</source>", "<source>Min &amp; Max</source>").contains("missing"));
  EXPECT_TRUE(with("<source>Max &amp; Min</source><translation>",
                   "<source>Max &amp; Min</source><translation type='vanished'>")
                  .contains("vanished"));
  EXPECT_TRUE(with("<numerusform>%n смен у %1</numerusform>", "").startsWith("plural forms 2 of 3"))
      << "a plural form missing";
  EXPECT_TRUE(with("<numerusform>%n смен у %1</numerusform>", "<numerusform></numerusform>").startsWith("empty"));
  EXPECT_TRUE(with("<message numerus='yes'><source>%n missed at %1</source><translation><numerusform>%n смену у %1"
                   "</numerusform><numerusform>%n смены у %1</numerusform><numerusform>%n смен у %1</numerusform>",
                   "<message><source>%n missed at %1</source><translation>%n смен у %1")
                  .startsWith("plural forms 0 of 3"))
      << "a number without plural forms";
  EXPECT_TRUE(with("%n смены у %1", "две смены у %1").startsWith("no %n in plural form 1")) << "the number lost";
  EXPECT_TRUE(with("%n смен у %1", "%n смен").startsWith("places")) << "a place lost in one form";
  EXPECT_TRUE(with("An\n%1\nder", "An %1\n\nder").startsWith("%1 not on line 2")) << "a name moved";
}

// The language comes from the user's list of languages: the first one with
// a translation, a regional variant falling back to its language; English
// first, or nothing that fits, keeps English.
TEST(LanguageTest, TheUsersFirstLanguageWithATranslation) {
  const QStringList folders = {QStringLiteral("/nonexistent"), kBuilt};
  const struct {
    const char* locale;
    const char* language;
  } cases[] = {
      {"de_DE", "de"},       {"de_AT", "de"},       {"de_CH", "de"},   {"fr_CA", "fr"},    {"es_MX", "es"},
      {"it_IT", "it"},       {"pt_BR", "pt_BR"},    {"pt_PT", ""},     {"ru_RU", "ru"},    {"ja_JP", "ja"},
      {"zh_CN", "zh_CN"},    {"zh_TW", ""},         {"ar_EG", "ar"},   {"ar_SA", "ar"},    {"en_US", ""},
      {"en_GB", ""},         {"nl_NL", ""},         {"C", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TranslationFor(QLocale(QString::fromUtf8(c.locale)), folders), QString::fromUtf8(c.language)) << c.locale;
  }
  EXPECT_EQ(TranslationFor(QLocale(QStringLiteral("de_AT")), {QStringLiteral("/nonexistent")}), QString());
}

// Without a translation the words the window layer hands the clock are the
// clock's own English ones, byte for byte; with one, the language's.
TEST(LanguageTest, ColourAndResultWordsAreEnglishWithoutATranslation) {
  const ColourWording english;
  const ColourWording words = TranslatedColourWording();
  EXPECT_EQ(words.hues, english.hues);
  for (const auto& [mine, theirs] : {std::pair{words.pale, english.pale}, {words.dark, english.dark},
                                      {words.dull, english.dull}, {words.black, english.black},
                                      {words.white, english.white}, {words.grey, english.grey},
                                      {words.darkGrey, english.darkGrey}, {words.hands, english.hands}}) {
    EXPECT_EQ(mine, theirs);
  }
  const ResultWording result = TranslatedResultWording();
  for (const ResultWording& words : {result, ResultWording{}}) {
    EXPECT_EQ(ResultSentence(words, {90}, {}), "These are the 1 changes of colour you missed, when it changed to  90 ");
    EXPECT_EQ(ResultSentence(words, {30, 90}, {120}),
              "These are the 2 changes of colour you missed, when it changed to  30  90  but you hit the key at least "
              "twice on  120 ");
    EXPECT_EQ(ResultSentence(words, {}, {}), kAllSeenText);
  }

  QTranslator german;
  ASSERT_TRUE(german.load(QStringLiteral("tintwatch_de"), kBuilt));
  QCoreApplication::installTranslator(&german);
  const ColourWording deutsch = TranslatedColourWording();
  QCoreApplication::removeTranslator(&german);
  EXPECT_EQ(deutsch.hues[3], "Gelbgrün");
  EXPECT_EQ(FillIn(deutsch.pale, {deutsch.hues[7]}), "blasses Azurblau");
  EXPECT_EQ(TranslatedColourWording().hues[3], "lime");
}

// The hue test's result in every language: one whole sentence for each
// number missed, with and without the double hits, the number in the plural
// form it takes there; none missed is the language's own "all seen".
TEST(TranslationFilesTest, ResultSentencesInEveryLanguage) {
  const struct {
    const char* language;
    const char* counted[4];  // how the sentence says 1, 2, 5 and 11 changes
    const char* listed;      // how it lists 30 and 60
  } cases[] = {
      {"de", {"1 Farbwechsel", "2 Farbwechsel", "5 Farbwechsel", "11 Farbwechsel"}, "30, 60"},
      {"fr", {"1 changement ", "2 changements", "5 changements", "11 changements"}, "30, 60"},
      {"es", {"1 cambio ", "2 cambios", "5 cambios", "11 cambios"}, "30, 60"},
      {"it", {"sfuggito 1 cambio ", "sfuggiti 2 cambi", "sfuggiti 5 cambi", "sfuggiti 11 cambi"}, "30, 60"},
      {"pt_BR", {"1 mudança ", "2 mudanças", "5 mudanças", "11 mudanças"}, "30, 60"},
      {"ru", {"1 смену", "2 смены", "5 смен", "11 смен"}, "30, 60"},
      {"ar", {"تغيّر واحد", "تغيّران", "5 تغيّرات", "11 تغيّراً"}, "30، 60"},
      {"ja", {"1 回", "2 回", "5 回", "11 回"}, "30、60"},
      {"zh_CN", {"1 次", "2 次", "5 次", "11 次"}, "30、60"},
  };
  const int numbers[4] = {1, 2, 5, 11};
  ASSERT_EQ(std::size(cases), static_cast<std::size_t>(TranslationFiles().size()));
  for (const auto& c : cases) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral("tintwatch_") + c.language, kBuilt)) << c.language;
    QCoreApplication::installTranslator(&translator);
    // The sentences are translated as the result is written, with the number.
    const ResultWording words = TranslatedResultWording();
    const std::string allSeen = ResultSentence(words, {}, {});
    EXPECT_NE(allSeen, kAllSeenText) << c.language;
    EXPECT_EQ(ResultSentence(words, {}, {999}), allSeen) << c.language;
    for (int i = 0; i < 4; ++i) {
      // The number missed, as many hues as it says, the last two 30 and 60.
      std::vector<int> missed;
      for (int k = numbers[i]; k > 0; --k) missed.push_back(90 - 30 * k);
      const std::string alone = ResultSentence(words, missed, {});
      const std::string both = ResultSentence(words, missed, {999});
      for (const std::string& sentence : {alone, both}) {
        EXPECT_NE(sentence.find(c.counted[i]), std::string::npos) << c.language << " " << numbers[i] << ": " << sentence;
        EXPECT_EQ(sentence.find('%'), std::string::npos) << c.language << ": " << sentence;
        EXPECT_EQ(sentence.find("These are"), std::string::npos) << c.language << ": " << sentence;
        EXPECT_EQ(sentence.find("  "), std::string::npos) << c.language << ": " << sentence;
        if (numbers[i] > 1) {
          EXPECT_NE(sentence.find(c.listed), std::string::npos) << c.language << ": " << sentence;
        }
      }
      EXPECT_EQ(alone.find("999"), std::string::npos) << c.language << ": " << alone;
      EXPECT_NE(both.find("999"), std::string::npos) << c.language << ": " << both;
    }
    QCoreApplication::removeTranslator(&translator);
  }
}

// Arabic lines read in the same order wherever their direction is taken
// from the first strong letter (a window's title, a tooltip, a terminal) as
// in a right-to-left box, and the Latin words in them ($DISPLAY, an argument
// such as --foo) keep their own order. FriBidi lays each line out both ways.
TEST(TranslationFilesTest, ArabicLinesKeepTheirOrderInEitherDirection) {
  QStringList lines;
  static const QRegularExpression breaks(QStringLiteral("\n| {3,}"));
  static const QRegularExpression place(QStringLiteral("%[1-9]"));
  static const QRegularExpression letter(QStringLiteral("\\p{L}"));
  for (const Message& message : ReadFile(kSources + "/translations/tintwatch_ar.ts")) {
    if (message.source == QLatin1String("QT_LAYOUT_DIRECTION")) continue;
    const bool argument = message.source.startsWith(QLatin1String("Unexpected argument"));
    for (QString text : message.numerus ? message.forms : QStringList{message.translation}) {
      text.replace(QLatin1String("%n"), QLatin1String("5"));
      text.replace(place, argument ? QStringLiteral("--foo") : QStringLiteral("12"));
      // A line without a letter (the list's "%1، %2") takes the direction of
      // what holds it.
      for (const QString& line : text.split(breaks, Qt::SkipEmptyParts)) {
        if (line.contains(letter)) lines << line;
      }
    }
  }
  ASSERT_GE(lines.size(), 80);
  QTemporaryDir dir;
  QFile input(dir.filePath(QStringLiteral("lines.txt")));
  ASSERT_TRUE(input.open(QIODevice::WriteOnly));
  input.write(lines.join('\n').toUtf8() + '\n');
  input.close();
  const auto visual = [&](const QStringList& direction) {
    QProcess fribidi;
    fribidi.start(QStringLiteral("fribidi"),
                  direction + QStringList{QStringLiteral("--nopad"), QStringLiteral("--nobreak"), input.fileName()});
    EXPECT_TRUE(fribidi.waitForFinished(30000)) << "no fribidi: install libfribidi-bin (scripts/setup.sh test)";
    EXPECT_EQ(fribidi.exitCode(), 0);
    return QString::fromUtf8(fribidi.readAllStandardOutput()).split('\n');
  };
  const QStringList guessed = visual({});
  const QStringList rightToLeft = visual({QStringLiteral("--rtl")});
  ASSERT_GE(guessed.size(), lines.size());
  ASSERT_GE(rightToLeft.size(), lines.size());
  static const QRegularExpression latin(QStringLiteral("[$-]*[A-Za-z][A-Za-z0-9_]*"));
  for (int i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(guessed[i], rightToLeft[i]) << "read left to right: " << qPrintable(lines[i]);
    for (auto match = latin.globalMatch(lines[i]); match.hasNext();) {
      const QString word = match.next().captured();
      EXPECT_TRUE(rightToLeft[i].contains(word)) << qPrintable(word) << " turned in: " << qPrintable(lines[i]);
    }
  }
}

// Every help page, the English one and each language's: whole (it ends), in
// its language and direction, with the English page's headings, pictures,
// tables and lists, its tags closed with their attributes apart, and every
// link and picture found.
TEST(HelpPagesTest, EveryPageIsWholeAndItsLinksLead) {
  const QDir docs(kSources + "/docs");
  const QStringList pages = docs.entryList({QStringLiteral("tintwatch-help*.html")}, QDir::Files, QDir::Name);
  ASSERT_TRUE(pages.contains(QStringLiteral("tintwatch-help.html")));
  const auto read = [&](const QString& name) {
    QFile file(docs.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
    return QString::fromUtf8(file.readAll());
  };
  static const QRegularExpression tag(QStringLiteral("<(/?)([a-zA-Z][a-zA-Z0-9]*)([^>]*)>"));
  static const QRegularExpression attribute(QStringLiteral("\\b(href|src|id)=\"([^\"]*)\""));
  // Each attribute after a space: lang="ar"dir="rtl" is a parse error that
  // leaves the direction to the reader's recovery.
  static const QRegularExpression attributes(QStringLiteral("^(\\s+[a-zA-Z][a-zA-Z0-9-]*(=\"[^\"]*\")?)*\\s*/?$"));
  const QStringList empty = {"meta", "img", "br", "hr", "link", "wbr", "col", "source", "input"};
  const QStringList outline = {"h1", "h2", "h3", "figure", "img", "table", "tr", "th", "td", "ul", "ol", "li"};
  const auto outlineOf = [&](const QString& html) {
    QStringList tags;
    for (auto match = tag.globalMatch(html); match.hasNext();) {
      const auto m = match.next();
      if (m.captured(1).isEmpty() && outline.contains(m.captured(2).toLower())) {
        QString what = m.captured(2).toLower();
        if (what == QLatin1String("img")) what += ' ' + attribute.match(m.captured(3)).captured(2);
        tags << what;
      }
    }
    return tags;
  };
  const QStringList english = outlineOf(read(QStringLiteral("tintwatch-help.html")));
  ASSERT_GE(english.size(), 10);
  for (const QString& page : pages) {
    const QString html = read(page);
    const QString language = page == QLatin1String("tintwatch-help.html") ? QString() : page.mid(15).chopped(5);
    if (!language.isEmpty()) {
      EXPECT_TRUE(QFileInfo::exists(kSources + "/translations/tintwatch_" + language + ".ts"))
          << qPrintable(page) << ": no such language in the program";
    }
    // lang="pt-BR" or "pt"; "zh-CN", "zh-Hans" or "zh".
    const QString lang = language.isEmpty() ? QStringLiteral("en") : language.section('_', 0, 0);
    EXPECT_TRUE(html.contains(QRegularExpression(QStringLiteral("<html [^>]*lang=\"%1(-[A-Za-z]+)?\"").arg(lang))))
        << qPrintable(page) << ": not in lang=\"" << qPrintable(lang) << "\"";
    EXPECT_EQ(html.contains(QRegularExpression(QStringLiteral("<html [^>]*dir=\"rtl\""))), language == "ar")
        << qPrintable(page) << ": the direction";
    EXPECT_TRUE(html.trimmed().endsWith(QLatin1String("</html>"))) << qPrintable(page) << ": cut off";
    EXPECT_EQ(outlineOf(html), english) << qPrintable(page) << ": not the English page's outline";
    // Tags closed in order; links and pictures found.
    QStringList open;
    QStringList ids;
    for (auto match = attribute.globalMatch(html); match.hasNext();) {
      const auto m = match.next();
      if (m.captured(1) == QLatin1String("id")) ids << m.captured(2);
    }
    bool closed = true;
    for (auto match = tag.globalMatch(html); match.hasNext();) {
      const auto m = match.next();
      const QString name = m.captured(2).toLower();
      if (m.captured(1).isEmpty()) {
        EXPECT_TRUE(attributes.match(m.captured(3)).hasMatch())
            << qPrintable(page) << ": attributes run together in <" << qPrintable(name + m.captured(3)) << ">";
      }
      if (closed && !empty.contains(name) && !m.captured(3).endsWith('/')) {
        if (m.captured(1).isEmpty()) {
          open << name;
        } else if (open.isEmpty() || open.takeLast() != name) {
          ADD_FAILURE() << qPrintable(page) << ": </" << qPrintable(name) << "> closes nothing open";
          closed = false;
        }
      }
      for (auto links = attribute.globalMatch(m.captured(3)); links.hasNext();) {
        const auto link = links.next();
        const QString target = link.captured(2);
        if (link.captured(1) == QLatin1String("id") || target.contains(QLatin1String("://")) ||
            target.startsWith(QLatin1String("mailto:"))) {
          continue;
        }
        if (target.startsWith('#')) {
          EXPECT_TRUE(ids.contains(target.mid(1))) << qPrintable(page) << ": no " << qPrintable(target);
        } else {
          EXPECT_TRUE(QFileInfo::exists(docs.filePath(target.section('#', 0, 0))))
              << qPrintable(page) << ": no " << qPrintable(target);
        }
      }
    }
    if (closed) {
      EXPECT_EQ(open, QStringList{}) << qPrintable(page) << ": left open";
    }
  }
}

// Online Help's page: the program's language's where it is there, else the
// English one, in the first folder that has it.
TEST(LanguageTest, TheHelpPageInTheProgramsLanguageElseEnglish) {
  QTemporaryDir dir;
  const QString beside = dir.filePath(QStringLiteral("beside"));
  const QString shared = dir.filePath(QStringLiteral("shared"));
  QDir().mkpath(beside);
  QDir().mkpath(shared);
  const auto make = [](const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  };
  const QStringList folders = {beside, shared};
  EXPECT_EQ(HelpPageFor(QStringLiteral("de"), folders), QString());
  make(shared + "/tintwatch-help.html");
  make(shared + "/tintwatch-help_de.html");
  make(shared + "/tintwatch-help_pt_BR.html");
  EXPECT_EQ(HelpPageFor(QString(), folders), shared + "/tintwatch-help.html");
  EXPECT_EQ(HelpPageFor(QStringLiteral("de"), folders), shared + "/tintwatch-help_de.html");
  EXPECT_EQ(HelpPageFor(QStringLiteral("pt_BR"), folders), shared + "/tintwatch-help_pt_BR.html");
  EXPECT_EQ(HelpPageFor(QStringLiteral("fr"), folders), shared + "/tintwatch-help.html");
  make(beside + "/tintwatch-help.html");
  EXPECT_EQ(HelpPageFor(QStringLiteral("de"), folders), shared + "/tintwatch-help_de.html")
      << "the language's page before an English one found first";
  EXPECT_EQ(HelpPageFor(QStringLiteral("fr"), folders), beside + "/tintwatch-help.html");
}

}  // namespace
}  // namespace tintwatch
