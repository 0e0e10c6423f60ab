// quarlo-art: draws the program's built-in pictures.
//
//   quarlo-art OUTDIR [--sheet FILE.png [NAME-REGEX [ZOOM]]]
//
// Writes every picture into OUTDIR (PNG, JPEG backgrounds, GIF animations),
// an index of names and files ("index.txt") and the resource list
// "pictures.qrc" that the build compiles into the program. --sheet also
// writes a contact sheet of all pictures (or those whose name matches, enlarged
// ZOOM times without smoothing) for looking them over.
#include "tools/quarlo-art/art.h"
#include "tools/quarlo-art/contact_sheet.h"
#include "tools/quarlo-art/gif_writer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

using namespace quarlo::art;

QString FileName(const Picture& picture) {
  static const char* extensions[] = {".png", ".jpg", ".gif"};
  return picture.name.toLower() + extensions[static_cast<int>(picture.kind)];
}

bool WritePicture(const QDir& dir, const Picture& picture) {
  const QString path = dir.filePath(FileName(picture));
  switch (picture.kind) {
    case FileKind::Png: return picture.frames.front().save(path, "PNG");
    case FileKind::Jpeg: return picture.frames.front().convertToFormat(QImage::Format_RGB32).save(path, "JPEG", 90);
    case FileKind::Gif: {
      const QString error = WriteAnimatedGif(path, picture.frames, picture.frameDelayMs);
      if (!error.isEmpty()) std::fprintf(stderr, "quarlo-art: %s: %s\n", qPrintable(picture.name), qPrintable(error));
      return error.isEmpty();
    }
  }
  return false;
}

bool WriteText(const QString& path, const QString& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(text.toUtf8());
  return file.commit();
}

}  // namespace

int main(int argc, char** argv) {
  // Fonts need a GUI application; the offscreen platform needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Build machines often have no session runtime directory; give Qt a
  // private one rather than a warning in every build log.
  QTemporaryDir runtimeDir;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
  }
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: quarlo-art OUTDIR [--sheet FILE.png [NAME-REGEX [ZOOM]]]\n");
    return 2;
  }
  QDir dir(args[1]);
  if (!dir.mkpath(".")) {
    std::fprintf(stderr, "quarlo-art: cannot create %s\n", qPrintable(args[1]));
    return 1;
  }

  Catalog catalog;
  DrawCards(catalog);
  DrawBacks(catalog);
  DrawTable(catalog);
  DrawMenu(catalog);
  DrawIntro(catalog);
  DrawIcons(catalog);

  std::set<QString> seen;
  QString index;
  QString qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/pictures\">\n";
  for (const Picture& picture : catalog) {
    if (!seen.insert(picture.name.toLower()).second) {
      std::fprintf(stderr, "quarlo-art: %s is drawn twice\n", qPrintable(picture.name));
      return 1;
    }
    if (!WritePicture(dir, picture)) {
      std::fprintf(stderr, "quarlo-art: cannot write %s\n", qPrintable(picture.name));
      return 1;
    }
    index += picture.name + '\t' + FileName(picture) + '\n';
    qrc += "  <file>" + FileName(picture) + "</file>\n";
  }
  qrc += "  <file>index.txt</file>\n</qresource>\n</RCC>\n";
  if (!WriteText(dir.filePath("index.txt"), index) || !WriteText(dir.filePath("pictures.qrc"), qrc)) {
    std::fprintf(stderr, "quarlo-art: cannot write the index\n");
    return 1;
  }

  const int sheetAt = static_cast<int>(args.indexOf("--sheet"));
  if (sheetAt > 0 && sheetAt + 1 < args.size()) {
    const QRegularExpression filter(sheetAt + 2 < args.size() ? args[sheetAt + 2] : ".*",
                                    QRegularExpression::CaseInsensitiveOption);
    const int zoom = sheetAt + 3 < args.size() ? std::max(1, args[sheetAt + 3].toInt()) : 1;
    if (!ContactSheet(catalog, filter, zoom).save(args[sheetAt + 1])) {
      std::fprintf(stderr, "quarlo-art: cannot write the contact sheet\n");
      return 1;
    }
  }
  return 0;
}
