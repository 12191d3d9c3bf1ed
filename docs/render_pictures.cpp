// Renders the help page's pictures of the faces, and the icon at every size,
// with the program's own drawing code, so that they can never disagree with
// what the program shows.
//   render_pictures OUTPUT_FOLDER TRANSLATIONS_FOLDER
// The faces at 10:10:30 with the default levels: hue.png, hue-expert.png,
// rgb.png, lab.png (330 x 330); the icon, the Hue face at the same time on a
// see-through background, as icon-N.png for N = 16, 32, 48, 64, 128, 256
// (16 and 32 without the rim), as icon.svg, drawn through the same calls, and
// as tintwatch.ico, all six sizes in one file for the Windows program; for
// the README, see-through.png: the see-through clock on a desktop, and
// options-de-ar.png: Clock Options in German and in Arabic, side by side.
#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTranslator>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/face/FacePicture.h"
#include "qt/Dialogs.h"
#include "qt/FaceImage.h"

namespace {

using namespace tintwatch;

// A surface that writes the drawing calls as SVG, in twips.
class SvgSurface : public Surface {
 public:
  explicit SvgSurface(double side) {
    // A little beyond the face, for the outlines.
    svg_ = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"-10 -10 " + Number(side + 20) + " " + Number(side + 20) + "\">\n";
  }
  std::string Text() const { return svg_ + "</svg>\n"; }

  void Clear() override {}  // see-through: no background
  void SetFillSolid(bool solid) override { solid_ = solid; }
  void SetFillColour(PackedRGB colour) override { fill_ = colour; }
  void SetForeColour(PackedRGB colour) override { fore_ = colour; }
  void Disc(float cx, float cy, float radius, PackedRGB outline) override {
    if (radius <= 0) return;
    svg_ += "<circle cx=\"" + Number(cx) + "\" cy=\"" + Number(cy) + "\" r=\"" + Number(radius) + "\"" +
            Paint(outline) + "/>\n";
  }
  void Pie(float cx, float cy, float radius, float startDeg, float endDeg, PackedRGB outline) override {
    double sweep = std::fmod(endDeg - startDeg + 360.0, 360.0);
    if (sweep == 0) sweep = 360;
    if (sweep >= 360) return Disc(cx, cy, radius, outline);
    // Counter-clockwise on the screen, where y grows downwards.
    const auto at = [&](double degrees) {
      const double radians = degrees * 3.14159265358979323846 / 180.0;
      return Number(cx + radius * std::cos(radians)) + "," + Number(cy - radius * std::sin(radians));
    };
    svg_ += "<path d=\"M" + Number(cx) + "," + Number(cy) + " L" + at(startDeg) + " A" + Number(radius) + "," +
            Number(radius) + " 0 " + (sweep > 180 ? "1" : "0") + " 0 " + at(startDeg + sweep) + " Z\"" +
            Paint(outline) + "/>\n";
  }
  void Line(float x1, float y1, float x2, float y2) override {
    svg_ += "<line x1=\"" + Number(x1) + "\" y1=\"" + Number(y1) + "\" x2=\"" + Number(x2) + "\" y2=\"" +
            Number(y2) + "\" stroke=\"" + Hex(fore_) + "\" stroke-width=\"15\"/>\n";
  }
  void Box(float x1, float y1, float x2, float y2, PackedRGB colour) override {
    svg_ += "<rect x=\"" + Number(std::min(x1, x2)) + "\" y=\"" + Number(std::min(y1, y2)) + "\" width=\"" +
            Number(std::fabs(x2 - x1)) + "\" height=\"" + Number(std::fabs(y2 - y1)) + "\" fill=\"" + Hex(colour) +
            "\"/>\n";
  }

 private:
  static std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
  }
  static std::string Hex(PackedRGB colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 255, (colour >> 8) & 255, (colour >> 16) & 255);
    return text;
  }
  std::string Paint(PackedRGB outline) const {
    return " fill=\"" + (solid_ ? Hex(fill_) : std::string("none")) + "\" stroke=\"" + Hex(outline) +
           "\" stroke-width=\"15\"";
  }

  std::string svg_;
  bool solid_ = true;
  PackedRGB fill_ = 0;
  PackedRGB fore_ = 0;
};

// The see-through clock, twice its first size, where the desktop shows
// through its white: half over a window, half over the wallpaper. The
// desktop is plain shapes, no text, so that no font decides a pixel.
QImage SeeThroughOnDesktop() {
  QImage desktop(480, 300, QImage::Format_RGB32);
  QPainter painter(&desktop);
  QLinearGradient wallpaper(0, 0, 480, 300);
  wallpaper.setColorAt(0, QColor(0x1d, 0x3a, 0x5f));
  wallpaper.setColorAt(1, QColor(0x3f, 0x7f, 0x8c));
  painter.fillRect(desktop.rect(), wallpaper);
  // A window: title bar, page, lines of "text".
  painter.fillRect(QRect(30, 40, 260, 220), QColor(0xf4, 0xf1, 0xea));
  painter.fillRect(QRect(30, 40, 260, 24), QColor(0x4a, 0x4f, 0x57));
  for (int line = 0; line < 8; ++line) {
    painter.fillRect(QRect(48, 84 + 20 * line, line % 3 == 2 ? 130 : 220, 8), QColor(0xa8, 0xae, 0xb5));
  }
  painter.drawImage(QPoint(200, 50), IconImage(220));
  painter.end();
  return desktop;
}

// Clock Options as the program opens it in each language, side by side.
QImage OptionsInLanguages(const QString& translations, std::initializer_list<const char*> languages) {
  // The dialogs ask for Arial; the glyphs it lacks (Arabic) come from
  // whatever font fontconfig finds on the machine, and the picture is checked
  // pixel for pixel on every machine. So the fonts are named here: Arial's
  // metric twin, then an Arabic font (fonts-liberation, fonts-noto-core).
  const QStringList families{QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans Arabic")};
  for (const QString& family : families) {
    if (!QFontDatabase::hasFamily(family)) {
      std::fprintf(stderr, "no font %s\n", qPrintable(family));
      return {};
    }
  }
  QFont::insertSubstitutions(QStringLiteral("Arial"), families);
  std::vector<QImage> dialogs;
  for (const char* language : languages) {
    QTranslator translator;
    if (!translator.load(QStringLiteral("tintwatch_") + QLatin1String(language), translations)) {
      std::fprintf(stderr, "no translation %s in %s\n", language, qPrintable(translations));
      return {};
    }
    QCoreApplication::installTranslator(&translator);
    ClockSettings settings;
    std::unique_ptr<QDialog> dialog(StandardDialogs().options(nullptr, settings));
    dialogs.push_back(dialog->grab().toImage());
    QCoreApplication::removeTranslator(&translator);
  }
  constexpr int kGap = 12;
  int width = -kGap;
  int height = 0;
  for (const QImage& dialog : dialogs) {
    width += dialog.width() + kGap;
    height = std::max(height, dialog.height());
  }
  QImage both(width, height, QImage::Format_ARGB32);
  both.fill(Qt::transparent);
  QPainter painter(&both);
  int left = 0;
  for (const QImage& dialog : dialogs) {
    painter.drawImage(left, 0, dialog);
    left += dialog.width() + kGap;
  }
  return both;
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
  if (image.save(folder.filePath(name))) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
  return false;
}

void PutLittleEndian(QByteArray& bytes, quint32 value, int size) {
  for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A Windows icon file whose images are PNGs (as Windows has read them since
// Vista): a header, one directory entry per image, then the images.
QByteArray IconFile(const std::vector<std::pair<int, QByteArray>>& pngs) {
  QByteArray file;
  PutLittleEndian(file, 0, 2);  // reserved
  PutLittleEndian(file, 1, 2);  // an icon, not a cursor
  PutLittleEndian(file, static_cast<quint32>(pngs.size()), 2);
  quint32 offset = static_cast<quint32>(6 + 16 * pngs.size());
  for (const auto& [size, png] : pngs) {
    PutLittleEndian(file, size >= 256 ? 0 : static_cast<quint32>(size), 1);  // 0 stands for 256
    PutLittleEndian(file, size >= 256 ? 0 : static_cast<quint32>(size), 1);
    PutLittleEndian(file, 0, 1);   // no palette
    PutLittleEndian(file, 0, 1);   // reserved
    PutLittleEndian(file, 1, 2);   // planes
    PutLittleEndian(file, 32, 2);  // bits per pixel
    PutLittleEndian(file, static_cast<quint32>(png.size()), 4);
    PutLittleEndian(file, offset, 4);
    offset += static_cast<quint32>(png.size());
  }
  for (const auto& image : pngs) file.append(image.second);
  return file;
}

bool SaveIconFile(const QDir& folder, const QString& name) {
  std::vector<std::pair<int, QByteArray>> pngs;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !IconImage(size).save(&buffer, "PNG")) return false;
    pngs.emplace_back(size, png);
  }
  QFile file(folder.filePath(name));
  const QByteArray bytes = IconFile(pngs);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");  // a build step: no display
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER TRANSLATIONS_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) return 1;
  bool ok = Save(FaceImage(0, false, 330), folder, QStringLiteral("hue.png")) &&
            Save(FaceImage(0, true, 330), folder, QStringLiteral("hue-expert.png")) &&
            Save(FaceImage(1, false, 330), folder, QStringLiteral("rgb.png")) &&
            Save(FaceImage(2, false, 330), folder, QStringLiteral("lab.png"));
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    ok = ok && Save(IconImage(size), folder, QStringLiteral("icon-%1.png").arg(size));
  }
  ok = ok && SaveIconFile(folder, QStringLiteral("tintwatch.ico"));
  ok = ok && Save(SeeThroughOnDesktop(), folder, QStringLiteral("see-through.png"));
  ok = ok && Save(OptionsInLanguages(QString::fromLocal8Bit(argv[2]), {"de", "ar"}), folder,
                  QStringLiteral("options-de-ar.png"));
  SvgSurface svg(1600);
  DrawFacePicture(svg, 0, false, 800);
  QFile svgFile(folder.filePath(QStringLiteral("icon.svg")));
  const std::string text = svg.Text();
  ok = ok && svgFile.open(QIODevice::WriteOnly) &&
       svgFile.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
  return ok ? 0 : 1;
}
