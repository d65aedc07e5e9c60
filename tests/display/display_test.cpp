// The program on a real X server (the xcb platform, not offscreen): the station
// example typed key by key into the real prompt dialogs, then the window as
// the X server holds it. tests/display/ci.sh runs it once at scale 1 and once
// with QT_SCALE_FACTOR=2.

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "app/main_window.h"
#include "app/prompt_box.h"
#include "app/window_layout.h"
#include "modal_driver.h"

using traverse::MainWindow;
using traverse::PromptBox;
using traverse::testing::UnescapeTranscriptText;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 192);
const QColor kLightRed(255, 192, 192);
const QColor kWhite(255, 255, 255);

// The X server hands over the focus within a round trip; the margin is for a
// loaded CI machine.
constexpr int kFocusTimeoutMs = 5000;

// Where to save the screenshot, if anywhere.
constexpr char kScreenshotVariable[] = "TRAVERSE_DISPLAY_SCREENSHOT";

QString DataFile(const char* name) {
  return QStringLiteral(TRAVERSE_TEST_DATA_DIR "/") + QString::fromLatin1(name);
}

QStringList ReadLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  if (lines.last().isEmpty()) lines.removeLast();  // after the last line's newline
  return lines;
}

// What a transcript of the scripted run says: the prompts in order and the last
// text written to each field.
struct Transcript {
  QStringList prompts;
  QStringList last_texts = QStringList(traverse::kFieldCount);
};

Transcript ReadTranscript(const QString& path) {
  Transcript transcript;
  for (const QString& line : ReadLines(path)) {
    const QStringList parts = line.split('\t');
    if (parts[0] == "prompt") transcript.prompts << UnescapeTranscriptText(parts.value(1));
    if (parts[0] == "field") {
      transcript.last_texts[parts.value(1).mid(4).toInt() - 1] = UnescapeTranscriptText(parts.value(2));
    }
  }
  return transcript;
}

// Keys as typed on the keyboard: no widget named, so they go to the window
// that holds the keyboard focus and on to its focus widget.
void Type(const QString& ascii) { QTest::keyClicks(nullptr, ascii); }
void Press(Qt::Key key) { QTest::keyClick(QGuiApplication::focusWindow(), key); }

QRect Pixels(const traverse::TwipRect& r) {
  const int t = traverse::kTwipsPerPixel;
  return QRect(r.left / t, r.top / t, r.width / t, r.height / t);
}

QPoint Pixel(int x_twips, int y_twips) {
  return QPoint(x_twips / traverse::kTwipsPerPixel, y_twips / traverse::kTwipsPerPixel);
}

}  // namespace

class DisplayTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void wholeRunTypedAtTheKeyboard();
  void controlsKeepTheirPlaces();
  void xServerHoldsTheWholeWindow();
  void coloursOnScreen_data();
  void coloursOnScreen();
  void frameLinesAreThreePixelsWide();
  void everyFieldShowsItsResult();
  void cleanupTestCase();

 private:
  // The window's pixels in the device pixels of the X server.
  QColor At(QPointF device_independent) const {
    return shot_.pixelColor((device_independent * ratio_).toPoint());
  }

  MainWindow* window_ = nullptr;
  qreal ratio_ = 1;
  QImage shot_;
};

void DisplayTest::initTestCase() {
  QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
  QScreen* screen = QGuiApplication::primaryScreen();
  QCOMPARE(screen->logicalDotsPerInch(), 96.0);
  ratio_ = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;

  window_ = new MainWindow;
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_));
  QCOMPARE(window_->devicePixelRatio(), ratio_);
}

void DisplayTest::wholeRunTypedAtTheKeyboard() {
  const QStringList answers = ReadLines(DataFile("station-example.answers"));
  const Transcript transcript = ReadTranscript(DataFile("station-example.transcript"));
  QVERIFY(!answers.isEmpty());
  QCOMPARE(answers.size(), transcript.prompts.size());

  traverse::testing::ModalDriver driver;
  int empty_answers = 0;
  for (int i = 0; i < answers.size(); ++i) {
    // An empty answer is Enter on the empty field or, every other time,
    // Escape: both return the empty text, which confirms a value and lets the
    // listing go on.
    const bool escape = answers[i].isEmpty() && empty_answers++ % 2 == 1;
    driver.Then([prompt = transcript.prompts[i], answer = answers[i], escape](QWidget* modal) {
      auto* box = qobject_cast<PromptBox*>(modal);
      QVERIFY2(box, "another window came where a prompt should be");
      QCOMPARE(box->findChild<QLabel*>("message")->text(), prompt);
      // There is no window manager to give the dialog the focus: it asks the
      // X server itself.
      box->activateWindow();
      QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::focusWindow(), box->windowHandle(),
                                kFocusTimeoutMs);
      auto* field = box->findChild<QLineEdit*>("answer");
      QCOMPARE(QApplication::focusWidget(), field);
      Type(answer);
      QCOMPARE(field->text(), answer);
      Press(escape ? Qt::Key_Escape : Qt::Key_Return);
    });
  }
  QVERIFY2(empty_answers >= 2, "no prompt is answered with Escape");

  // Clicked where the button shows; the whole run happens inside the click.
  const QRect compute = Pixels(traverse::kComputeButton.place);
  QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, compute.center());

  QCOMPARE(driver.StepsLeft(), std::size_t{0});
  QCOMPARE(driver.Unexpected(), 0);  // and so no failure box
  QVERIFY(!window_->IsRunning());
  QStringList shown;
  for (const traverse::FieldPlace& place : traverse::kFields) {
    shown << window_->findChild<QLineEdit*>(place.name)->text();
  }
  QCOMPARE(shown, transcript.last_texts);
}

void DisplayTest::controlsKeepTheirPlaces() {
  // In device-independent pixels, whatever the scale.
  QCOMPARE(window_->size(), QSize(traverse::kOpeningWidthTwips / traverse::kTwipsPerPixel,
                                  traverse::kOpeningHeightTwips / traverse::kTwipsPerPixel));
  const auto place_of = [this](const char* name) {
    QWidget* control = window_->findChild<QWidget*>(name);
    return control ? control->geometry() : QRect();
  };
  for (const traverse::LabelPlace& label : traverse::kLabels) {
    QVERIFY2(place_of(label.name) == Pixels(label.place), label.name);
  }
  for (const traverse::FieldPlace& field : traverse::kFields) {
    QVERIFY2(place_of(field.name) == Pixels(field.place), field.name);
  }
  for (const traverse::ButtonPlace* button : {&traverse::kComputeButton, &traverse::kStopButton}) {
    QVERIFY2(place_of(button->name) == Pixels(button->place), button->name);
  }
  for (const traverse::LinePlace& line : traverse::kLines) {
    const QRect band = place_of(line.name);
    QVERIFY2(band.contains(Pixel(line.x1, line.y1)) && band.contains(Pixel(line.x2, line.y2)),
             line.name);
  }
}

void DisplayTest::xServerHoldsTheWholeWindow() {
  // Repainted first, so as not to depend on when the X server asks the window
  // to fill the place the last prompt left; requests reach the server in
  // order, so the grab reads the repainted pixels.
  window_->repaint();
  const QPixmap pixmap = window_->screen()->grabWindow(window_->winId());
  QCOMPARE(pixmap.size(), window_->size() * ratio_);
  shot_ = pixmap.toImage().convertToFormat(QImage::Format_RGB32);

  const QString path = qEnvironmentVariable(kScreenshotVariable);
  if (!path.isEmpty()) QVERIFY2(shot_.save(path, "PNG"), qPrintable("cannot write " + path));
}

void DisplayTest::coloursOnScreen_data() {
  QTest::addColumn<QPoint>("at");  // device-independent pixels
  QTest::addColumn<QColor>("colour");

  for (const traverse::LinePlace& line : traverse::kLines) {
    QTest::newRow(line.name) << (Pixel(line.x1, line.y1) + Pixel(line.x2, line.y2)) / 2 << kBlue;
  }
  const QSize size = window_->size();
  QTest::newRow("background, top left") << QPoint(2, 2) << kYellow;
  QTest::newRow("background, bottom right")
      << QPoint(size.width() - 3, size.height() - 3) << kYellow;
  // Inside the frame, under the side-length field of the observed data.
  QTest::newRow("background, inside the frame") << Pixel(12360, 7000) << kYellow;
  for (const traverse::ButtonPlace* button : {&traverse::kComputeButton, &traverse::kStopButton}) {
    // Left of the caption, clear of the border.
    const QRect face = Pixels(button->place);
    QTest::newRow(button->name) << QPoint(face.left() + 6, face.center().y()) << kLightRed;
  }
  for (const traverse::FieldPlace& field : traverse::kFields) {
    // Right of the text, clear of the border.
    const QRect box = Pixels(field.place);
    QTest::newRow(field.name) << QPoint(box.right() - 4, box.center().y()) << kWhite;
  }
}

void DisplayTest::coloursOnScreen() {
  QFETCH(QPoint, at);
  QFETCH(QColor, colour);
  QVERIFY(!shot_.isNull());
  QCOMPARE(At(at), colour);
}

void DisplayTest::frameLinesAreThreePixelsWide() {
  // Measured across each line at its middle, in the server's pixels: 3
  // device-independent pixels, so 6 at scale 2.
  QVERIFY(!shot_.isNull());
  for (const traverse::LinePlace& line : traverse::kLines) {
    const QPoint middle =
        ((Pixel(line.x1, line.y1) + Pixel(line.x2, line.y2)) / 2 * ratio_);
    const QPoint across = line.y1 == line.y2 ? QPoint(0, 1) : QPoint(1, 0);
    int width = 0;
    for (QPoint p = middle; shot_.valid(p) && shot_.pixelColor(p) == kBlue; p += across) ++width;
    for (QPoint p = middle - across; shot_.valid(p) && shot_.pixelColor(p) == kBlue; p -= across) {
      ++width;
    }
    QVERIFY2(width == qRound(3 * ratio_),
             qPrintable(QStringLiteral("%1 is %2 device pixels wide").arg(line.name).arg(width)));
  }
}

void DisplayTest::everyFieldShowsItsResult() {
  // After the run every field holds a text; the server's pixels must show
  // ink in each, not just the white of an empty field.
  QVERIFY(!shot_.isNull());
  for (const traverse::FieldPlace& field : traverse::kFields) {
    const QRect inside = Pixels(field.place).adjusted(3, 3, -3, -3);
    int ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
      for (int x = inside.left(); x <= inside.right(); ++x) {
        if (qGray(At(QPoint(x, y)).rgb()) < 96) ++ink;
      }
    }
    QVERIFY2(ink > 0, field.name);
  }
}

void DisplayTest::cleanupTestCase() { delete window_; }

QTEST_MAIN(DisplayTest)
#include "display_test.moc"
