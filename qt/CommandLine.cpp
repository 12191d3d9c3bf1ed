#include "qt/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageLogger>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <vector>

#include "qt/Language.h"

#include "platform/Console.h"

#ifndef TINTWATCH_VERSION
#define TINTWATCH_VERSION "unknown"
#endif

namespace tintwatch {

namespace {

void Print(std::FILE* stream, const QString& text) {
  UseStartingConsole();
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
  std::fflush(stream);
}

QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// The columns a terminal gives the text: two for a wide (CJK) character,
// none for a mark or a direction mark.
int Columns(const QString& text) {
  int columns = 0;
  for (const char32_t c : text.toUcs4()) {
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing || category == QChar::Other_Format) {
      continue;
    }
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                      (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    columns += wide ? 2 : 1;
  }
  return columns;
}

// The toolkit pads the option names of the help to a number of characters,
// so a translated <name> in wide characters pushed its description out of
// line. Lines the descriptions up again by columns; a help whose names are
// one column a character comes back as it was.
QString AlignedByColumns(const QString& help) {
  QStringList lines = help.split(QLatin1Char('\n'));
  const QString indent = QStringLiteral("  ");
  struct Option {
    qsizetype line;
    QString name;
  };
  std::vector<Option> options;
  bool moved = false;
  int widest = 0;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString& line = lines.at(i);
    if (!line.startsWith(indent + QLatin1Char('-'))) continue;
    const qsizetype end = line.indexOf(QStringLiteral("  "), indent.size());
    if (end < 0) continue;
    const QString name = line.mid(indent.size(), end - indent.size());
    options.push_back({i, name});
    const int columns = Columns(name);
    widest = std::max(widest, columns);
    moved = moved || columns != name.size();
  }
  if (!moved) return help;
  const QString column(indent.size() + widest + 2, QLatin1Char(' '));
  for (const Option& option : options) {
    QString& line = lines[option.line];
    const QString description = line.mid(indent.size() + option.name.size()).trimmed();
    line = indent + option.name + QString(widest + 2 - Columns(option.name), QLatin1Char(' ')) + description;
    // A description the toolkit wrapped goes on in lines of spaces and words.
    for (qsizetype next = option.line + 1; next < lines.size(); ++next) {
      QString& more = lines[next];
      if (!more.startsWith(indent + QLatin1Char(' ')) || more.trimmed().isEmpty()) break;
      more = column + more.trimmed();
    }
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

namespace {

// The options and the words about them, in the language installed when made.
struct Options {
  Options()
      // Not addHelpOption(): its --help-all lists toolkit options that this
      // program does not pass on.
      : help({QStringLiteral("h"), QStringLiteral("help")},
             QCoreApplication::translate("CommandLine", "Displays help on commandline options.")),
        // Not addVersionOption(): its words are the toolkit's, in a voice
        // that need not be the one of the lines around it.
        version({QStringLiteral("v"), QStringLiteral("version")},
                QCoreApplication::translate("CommandLine", "Displays version information.")),
        display(QStringLiteral("display"),
                QCoreApplication::translate("CommandLine", "Shows the clock on this X display (default: $DISPLAY)."),
                //: The value of --display and --platform, shown in --help as <name>.
                QCoreApplication::translate("CommandLine", "name")),
        platform(QStringLiteral("platform"),
                 QCoreApplication::translate("CommandLine", "Uses this Qt platform plugin, as $QT_QPA_PLATFORM does."),
                 QCoreApplication::translate("CommandLine", "name")),
        // A session manager that restores the desktop starts its programs
        // again with the session's name.
        session(QStringLiteral("session"), QStringLiteral("The desktop session to join."), QStringLiteral("id")) {
    session.setFlags(QCommandLineOption::HiddenFromHelp);
  }

  // The parser with these options. (Returned by pointer: a parser cannot
  // be moved.)
  std::unique_ptr<QCommandLineParser> Parser() {
    auto parser = std::make_unique<QCommandLineParser>();
    parser->setApplicationDescription(
        QCoreApplication::translate("CommandLine", "A desktop clock that tells the time in colours."));
    // The toolkit's own options are single words after one dash (-display).
    parser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser->addOption(help);
    parser->addOption(version);
    parser->addOption(display);
    parser->addOption(platform);
    parser->addOption(session);
    return parser;
  }

  QCommandLineOption help;
  QCommandLineOption version;
  QCommandLineOption display;
  QCommandLineOption platform;
  QCommandLineOption session;
};

}  // namespace

CommandLine::CommandLine(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral("Tintwatch"));
  QCoreApplication::setApplicationVersion(QStringLiteral(TINTWATCH_VERSION));
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const QString program = argc > 0 ? QFileInfo(arguments.constFirst()).fileName() : QStringLiteral("tintwatch");

  Options options;
  std::unique_ptr<QCommandLineParser> parser = options.Parser();
  bool parsed = parser->parse(arguments);
  if (parsed && parser->isSet(options.version)) {
    Print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                      QLatin1Char('\n'));
    exitStatus_ = 0;
    return;
  }
  const bool helpAsked = parsed && parser->isSet(options.help);
  if (helpAsked || !parsed || !parser->positionalArguments().isEmpty()) {
    // Words for the user: in the user's language, the toolkit's ("Usage:",
    // "Unknown option") too, which needs an application object (no display).
    // Named as the user called it, not by the full path.
    QByteArray name = program.toLocal8Bit();
    char* nameArgv[] = {name.data(), nullptr};
    int nameArgc = 1;
    QCoreApplication words(nameArgc, nameArgv);
    InstallTranslations();
    Options translated;
    parser = translated.Parser();
    parsed = parser->parse(arguments);
    QString helpText = AlignedByColumns(parser->helpText());
    helpText.replace(QStringLiteral("<executable_name>"), program);
    if (helpAsked) {
      Print(stdout, helpText);
      exitStatus_ = 0;
      return;
    }
    QString error = parser->errorText();
    if (parsed && !parser->positionalArguments().isEmpty()) {
      error = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                  .arg(parser->positionalArguments().constFirst());
    }
    Print(stderr, program + QStringLiteral(": ") + error + QLatin1Char('\n') + helpText);
    exitStatus_ = 2;
    return;
  }

  const QCommandLineOption& platform = options.platform;
  const QCommandLineOption& display = options.display;
  const QCommandLineOption& session = options.session;
  platform_ = parser->value(platform);
  display_ = parser->value(display);
  qtArguments_.push_back(argc > 0 ? std::string(argv[0]) : std::string("tintwatch"));
  const std::initializer_list<const QCommandLineOption*> handedOn = {&platform, &display, &session};
  for (const QCommandLineOption* option : handedOn) {
    if (!parser->isSet(*option)) continue;
    qtArguments_.push_back((QLatin1Char('-') + option->names().constFirst()).toStdString());
    qtArguments_.push_back(parser->value(*option).toLocal8Bit().toStdString());
  }
  for (std::string& argument : qtArguments_) qtArgv_.push_back(argument.data());
  qtArgc_ = static_cast<int>(qtArgv_.size());
  qtArgv_.push_back(nullptr);
}

QString CommandLine::DisplayTried() const {
  QString platform = platform_;
  if (platform.isEmpty()) platform = qEnvironmentVariable("QT_QPA_PLATFORM");
#ifdef Q_OS_WIN
  if (platform.isEmpty()) platform = QStringLiteral("windows");
#else
  if (platform.isEmpty()) platform = QStringLiteral("xcb");
#endif
  if (platform == QLatin1String("xcb")) {
    const QString display = display_.isEmpty() ? qEnvironmentVariable("DISPLAY") : display_;
    if (display.isEmpty()) return QStringLiteral("a display: DISPLAY is not set");
    return QStringLiteral("display ") + Quoted(display);
  }
  if (platform.startsWith(QLatin1String("wayland"))) {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = QStringLiteral("wayland-0");
    return QStringLiteral("Wayland display ") + Quoted(display);
  }
  return QStringLiteral("the Qt platform ") + Quoted(platform);
}

namespace {

// The toolkit's messages while it starts, held back: when it fails, its own
// words ("Reinstalling the application may fix this problem") mislead.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};
QList<HeldMessage>* held = nullptr;
QtMessageHandler previousHandler = nullptr;
QByteArray failureLine;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    QByteArray line = failureLine;
    // The toolkit names the cause when it is not the display (a plugin
    // that cannot load, a library missing): keep that one.
    bool displayNamed = false;
    QString cause;
    for (const HeldMessage& message : *held) {
      if (message.text.contains(QLatin1String("display"), Qt::CaseInsensitive)) displayNamed = true;
      if (cause.isEmpty()) cause = message.text.section(QLatin1Char('\n'), 0, 0);
    }
    if (!displayNamed && !cause.isEmpty()) line += " (" + cause.toLocal8Bit() + ")";
    line += '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
    // Not abort(): a missing display is the user's situation, not a crash.
    std::_Exit(1);
  }
  held->append({type, QByteArray(context.category ? context.category : "default"), text});
}

}  // namespace

DisplayFailureReport::DisplayFailureReport(const CommandLine& commandLine) {
  failureLine = "tintwatch: cannot open " + commandLine.DisplayTried().toLocal8Bit();
  held = new QList<HeldMessage>;
  previousHandler = qInstallMessageHandler(HoldMessage);
}

void DisplayFailureReport::Started() {
  if (!held) return;
  qInstallMessageHandler(previousHandler);
  const QList<HeldMessage> messages = *held;
  delete held;
  held = nullptr;
  for (const HeldMessage& message : messages) {
    const QMessageLogger logger(nullptr, 0, nullptr, message.category.constData());
    switch (message.type) {
      case QtDebugMsg: logger.debug("%s", qUtf8Printable(message.text)); break;
      case QtInfoMsg: logger.info("%s", qUtf8Printable(message.text)); break;
      case QtWarningMsg: logger.warning("%s", qUtf8Printable(message.text)); break;
      default: logger.critical("%s", qUtf8Printable(message.text)); break;
    }
  }
}

DisplayFailureReport::~DisplayFailureReport() { Started(); }

}  // namespace tintwatch
