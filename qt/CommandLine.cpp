#include "qt/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageLogger>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <memory>

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

}  // namespace

namespace {

// The options and the words about them, in the language installed when made.
struct Options {
  Options()
      // Not addHelpOption(): its --help-all lists toolkit options that this
      // program does not pass on.
      : help({QStringLiteral("h"), QStringLiteral("help")},
             QCoreApplication::translate("CommandLine", "Displays help on commandline options.")),
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
    version = parser->addVersionOption();
    parser->addOption(display);
    parser->addOption(platform);
    parser->addOption(session);
    return parser;
  }

  QCommandLineOption help;
  QCommandLineOption version{QStringLiteral("version")};
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
    QString helpText = parser->helpText();
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
