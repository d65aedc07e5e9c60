// The main window as laid out: every control at its place with its caption,
// font and colours; opening size, focus, tab order and accessible names.

#include <QApplication>
#include <algorithm>
#include <limits>
#include <QFontInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QTest>

#include "app/main_window.h"
#include "modal_driver.h"

using traverse::MainWindow;

namespace {

enum class Kind { Label, Field, Button, Line };

const QColor kYellow(255, 255, 192);
const QColor kLightRed(255, 192, 192);
const QColor kBlue(0, 0, 255);

const QString kSong = QStringLiteral("宋体");
const QString kSans = QStringLiteral("MS Sans Serif");

QRect Pixels(const QRect& twips) {
  return QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
}

bool HasHan(const QString& text) {
  for (QChar c : text) {
    if (c.script() == QChar::Script_Han) return true;
  }
  return false;
}

}  // namespace

Q_DECLARE_METATYPE(Kind)

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void controls_data();
  void controls();
  void opensLargeEnoughForEveryControl();
  void resizingNeitherMovesNorResizesControls();
  void textOneHasFocusAndTabFollowsTheOrder();
  void enterInAFieldStartsNoRun();
  void fieldsAreNamedAfterTheirLabels_data();
  void fieldsAreNamedAfterTheirLabels();
  void chineseCaptionsHaveGlyphsWithoutSongInstalled();
  void wrappedCaptionsKeepBlanksAndShowWholeLines();
  void scaleFactorFromTheEnvironmentApplies();

 private:
  MainWindow* window_ = nullptr;
  QImage shot_;
  qreal ratio_ = 1;
};

void WindowLayoutTest::initTestCase() {
  window_ = new MainWindow;
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_));
  const QPixmap pixmap = window_->grab();
  ratio_ = pixmap.devicePixelRatio();
  shot_ = pixmap.toImage();
}

// Every control of the window, in twips as the layout gives them; a line as
// its end points (x1, y1, x2 - x1, y2 - y1).
void WindowLayoutTest::controls_data() {
  QTest::addColumn<Kind>("kind");
  QTest::addColumn<QRect>("twips");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("family");
  QTest::addColumn<double>("points");

  const auto label = [](const char* name, const char* caption, QRect twips, const QString& family,
                        double points) {
    QTest::newRow(name) << Kind::Label << twips << QString::fromUtf8(caption) << family << points;
  };
  const auto field = [](const char* name, QRect twips, double points) {
    QTest::newRow(name) << Kind::Field << twips << QString() << kSong << points;
  };
  const auto line = [](const char* name, int x1, int y1, int x2, int y2) {
    QTest::newRow(name) << Kind::Line << QRect(x1, y1, x2 - x1, y2 - y1) << QString() << QString()
                        << 0.0;
  };

  // Start data.
  label("Label2", "(起始数据）", {2280, 2520, 1455, 255}, kSong, 12);
  label("Label4", "起始点纵座标 ", {2400, 2880, 1215, 255}, kSans, 8.25);
  label("Label27", "Xa", {2040, 3120, 255, 255}, kSans, 8.25);
  field("Text2", {2280, 3120, 1335, 270}, 9);
  label("Label5", "起始点横座标 ", {2400, 3480, 1215, 255}, kSans, 8.25);
  label("Label28", "Ya", {2040, 3720, 255, 255}, kSans, 8.25);
  field("Text3", {2280, 3720, 1335, 270}, 9);
  label("Label6", "闭合点纵座标 ", {2400, 4080, 1215, 255}, kSans, 8.25);
  label("Label29", "Xb", {2040, 4320, 255, 255}, kSans, 8.25);
  field("Text4", {2280, 4320, 1335, 270}, 9);
  label("Label7", "闭合点横座标", {2400, 4680, 1215, 255}, kSans, 8.25);
  label("Label30", "Yb", {2040, 4920, 255, 255}, kSans, 8.25);
  field("Text5", {2280, 4920, 1335, 270}, 9);
  label("Label8", "位于起始点处      外方位角 ", {2400, 5280, 1215, 375}, kSans, 8.25);
  label("Label31", "Ta", {2040, 5760, 255, 255}, kSans, 8.25);
  field("Text6", {2280, 5760, 1335, 270}, 9);
  label("Label9", "位于闭合点处      外方位角 ", {2400, 6120, 1215, 375}, kSans, 8.25);
  label("Label32", "Tb", {2040, 6600, 255, 255}, kSans, 8.25);
  field("Text7", {2280, 6600, 1335, 270}, 9);
  // Title and point count.
  label("Label1", "附 合 导 线 平 差", {6120, 2760, 3015, 375}, kSong, 15.75);
  label("Label3", "导线点个数说明", {6840, 3240, 1455, 255}, kSong, 9);
  field("Text1", {5880, 3480, 3375, 315}, 10.5);
  // Precision statistics.
  label("Label22", "( 精 度 统 计 )", {6600, 4200, 2055, 255}, kSong, 12);
  label("Label17", "方位角闭合差 ", {4560, 5160, 1215, 255}, kSong, 9);
  label("Label33", "fb", {4320, 5400, 255, 255}, kSans, 8.25);
  field("Text13", {4560, 5400, 1095, 270}, 9);
  label("Label23", "   纵座标闭合差    （未经过角度配赋） ", {5760, 4680, 1815, 375}, kSong, 9);
  label("Label34", "Fx", {5880, 5040, 255, 255}, kSans, 8.25);
  field("Text18", {6120, 5040, 1215, 270}, 9);
  label("Label24", "   横座标闭合差   （未经过角度配赋） ", {5760, 5400, 1815, 375}, kSong, 9);
  label("Label35", "Fy", {5880, 5760, 255, 255}, kSans, 8.25);
  field("Text19", {6120, 5760, 1215, 270}, 9);
  label("Label18", "  纵座标闭合差  （经过角度配赋） ", {7560, 4680, 1575, 375}, kSong, 9);
  label("Label36", "Fx", {7440, 5040, 255, 255}, kSans, 8.25);
  field("Text14", {7680, 5040, 1215, 270}, 9);
  label("Label19", "  横座标闭合差  （经过角度配赋） ", {7560, 5400, 1575, 375}, kSong, 9);
  label("Label37", "Fy", {7440, 5760, 255, 255}, kSans, 8.25);
  field("Text15", {7680, 5760, 1215, 270}, 9);
  label("Label20", "导线全长", {9480, 4800, 855, 255}, kSong, 9);
  label("Label38", " [ S ]", {8880, 5040, 495, 255}, kSans, 8.25);
  field("Text16", {9360, 5040, 1335, 270}, 9);
  label("Label21", "导线相对闭合差            1/M", {9240, 5520, 1455, 255}, kSong, 9);
  label("Label39", "1/m", {9000, 5760, 375, 255}, kSans, 8.25);
  field("Text17", {9360, 5760, 1335, 270}, 9);
  // Results.
  label("Label13", "(计 算 结 果）", {6600, 6480, 1815, 255}, kSong, 12);
  label("Label42", "点名提示", {4800, 6840, 855, 255}, kSong, 9);
  field("Text22", {4200, 7080, 2055, 285}, 9);
  label("Label14", " 点  名", {6480, 6840, 735, 255}, kSong, 9);
  field("Text10", {6240, 7080, 1215, 270}, 9);
  label("Label15", "纵 座 标", {8040, 6840, 855, 255}, kSong, 9);
  label("Label40", "Xp", {7560, 7080, 255, 255}, kSans, 8.25);
  field("Text11", {7800, 7080, 1335, 270}, 9);
  label("Label16", " 横 座 标 ", {9600, 6840, 975, 255}, kSong, 9);
  label("Label41", "Yp", {9240, 7080, 255, 255}, kSans, 8.25);
  field("Text12", {9480, 7080, 1335, 270}, 9);
  // Observed data.
  label("Label10", "（观测数据)", {11520, 3240, 1455, 255}, kSong, 12);
  label("Label11", "提示输入角度", {11760, 3720, 1215, 255}, kSong, 9);
  field("Text20", {11160, 3960, 2415, 285}, 9);
  label("Label25", "导线转角", {12000, 4320, 855, 255}, kSong, 9);
  field("Text8", {11640, 4560, 1455, 270}, 9);
  label("Label12", "提示输入边长", {11760, 5160, 1215, 255}, kSong, 9);
  field("Text21", {11400, 5400, 1935, 285}, 9);
  label("Label26", "观测边长", {12000, 5760, 855, 255}, kSong, 9);
  field("Text9", {11640, 6000, 1455, 270}, 9);
  // Buttons.
  QTest::newRow("Command1") << Kind::Button << QRect(6600, 7920, 975, 495)
                            << QStringLiteral("平差计算") << kSans << 8.25;
  QTest::newRow("Command2") << Kind::Button << QRect(8040, 7920, 975, 495)
                            << QStringLiteral("终止计算") << kSans << 8.25;
  // The frame.
  line("Line11", 1800, 2280, 13680, 2280);
  line("Line14", 1800, 7560, 13680, 7560);
  line("Line10", 1800, 2280, 1800, 7560);
  line("Line4", 13680, 2280, 13680, 7560);
  line("Line15", 3960, 2280, 3960, 5880);
  line("Line2", 3960, 5880, 3960, 7560);
  line("Line3", 11040, 2280, 11040, 7560);
  line("Line1", 3960, 3960, 11040, 3960);
  line("Line5", 3960, 6240, 11040, 6240);
}

void WindowLayoutTest::controls() {
  QFETCH(Kind, kind);
  QFETCH(QRect, twips);
  QFETCH(QString, caption);
  QFETCH(QString, family);
  QFETCH(double, points);

  const QString name = QString::fromLatin1(QTest::currentDataTag());
  auto* widget = window_->findChild<QWidget*>(name);
  QVERIFY2(widget, "no control of that name");
  const auto pixel = [this](QPoint at) {
    return shot_.pixelColor((QPointF(at) * ratio_).toPoint());
  };

  if (kind == Kind::Line) {
    // 3 pixels wide, centred on the line, covering it from end to end.
    const QPoint from = Pixels(QRect(twips.topLeft(), QSize())).topLeft();
    const QPoint to = from + QPoint(twips.width() / 15, twips.height() / 15);
    const QRect band = widget->geometry();
    if (twips.height() == 0) {
      QCOMPARE(band.height(), 3);
      QCOMPARE(band.center().y(), from.y());
    } else {
      QCOMPARE(band.width(), 3);
      QCOMPARE(band.center().x(), from.x());
    }
    QVERIFY(band.contains(from) && band.contains(to));
    QCOMPARE(pixel((from + to) / 2), kBlue);
    return;
  }

  QCOMPARE(widget->geometry(), Pixels(twips));
  QCOMPARE(widget->font().families().value(0), family);
  QCOMPARE(widget->font().pointSizeF(), points);
  QVERIFY(widget->font().bold());

  switch (kind) {
    case Kind::Label: {
      auto* label = qobject_cast<QLabel*>(widget);
      QVERIFY(label);
      QCOMPARE(label->text(), caption);
      QCOMPARE(label->textFormat(), Qt::PlainText);
      QVERIFY(label->wordWrap());
      QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
      QCOMPARE(label->frameShape(), QFrame::NoFrame);
      // The box does not stand out from the window: its free corner is the
      // window's yellow. The text is black.
      const QRect box = label->geometry();
      // (Its last row and column may lie under the field beside it.)
      QCOMPARE(pixel(box.bottomRight() - QPoint(1, 1)), kYellow);
      int darkest = 255 * 3;
      for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
          const QColor c = pixel({x, y});
          darkest = std::min(darkest, c.red() + c.green() + c.blue());
        }
      }
      QCOMPARE(darkest, 0);
      break;
    }
    case Kind::Field: {
      auto* field = qobject_cast<QLineEdit*>(widget);
      QVERIFY(field);
      QVERIFY(field->text().isEmpty());
      QVERIFY(!field->isReadOnly());
      QVERIFY(field->hasFrame());
      QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
      QCOMPARE(field->maxLength(), std::numeric_limits<int>::max());
      // The platform's own colours for an editable field, not the window's.
      const QPalette standard = QApplication::palette(field);
      QCOMPARE(field->palette().color(QPalette::Base), standard.color(QPalette::Base));
      QCOMPARE(field->palette().color(QPalette::Text), standard.color(QPalette::Text));
      QCOMPARE(pixel(field->geometry().center()), standard.color(QPalette::Base));
      break;
    }
    case Kind::Button: {
      auto* button = qobject_cast<QPushButton*>(widget);
      QVERIFY(button);
      QCOMPARE(button->text(), caption);
      QVERIFY(!button->isDefault());
      QVERIFY(!button->autoDefault());
      // The face, left of the caption and clear of the border.
      const QRect face = button->geometry();
      QCOMPARE(pixel(face.topLeft() + QPoint(6, face.height() / 2)), kLightRed);
      break;
    }
    case Kind::Line:
      break;
  }
}

void WindowLayoutTest::opensLargeEnoughForEveryControl() {
  // The frame and both buttons show at once: 15480 x 9135 twips.
  QCOMPARE(window_->size(), QSize(1032, 609));
  for (QWidget* child : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    QVERIFY2(window_->rect().contains(child->geometry()), qPrintable(child->objectName()));
  }
  QCOMPARE(window_->windowTitle(), QStringLiteral("附合导线平差"));
  QCOMPARE(window_->windowState(), Qt::WindowNoState);
  QCOMPARE(shot_.pixelColor(0, 0), kYellow);
  QCOMPARE(shot_.pixelColor(shot_.width() - 1, shot_.height() - 1), kYellow);
  const QList<QSize> icon_sizes = window_->windowIcon().availableSizes();
  QVERIFY(icon_sizes.contains(QSize(16, 16)));
  QVERIFY(icon_sizes.contains(QSize(32, 32)));
}

void WindowLayoutTest::resizingNeitherMovesNorResizesControls() {
  QMap<QString, QRect> before;
  for (QWidget* child : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    before.insert(child->objectName(), child->geometry());
  }
  const QSize opening = window_->size();
  for (QSize size : {QSize(312, 213), QSize(1600, 1000), opening}) {
    window_->resize(size);
    QCOMPARE(window_->size(), size);
    for (QWidget* child : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      QCOMPARE(child->geometry(), before.value(child->objectName()));
    }
  }
}

void WindowLayoutTest::textOneHasFocusAndTabFollowsTheOrder() {
  // A window of its own: the first focus is the one it opens with.
  MainWindow window;
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QCOMPARE(QApplication::focusWidget(), window.findChild<QWidget*>("Text1"));

  const QStringList order = {"Text1",    "Text2",    "Text3",  "Text4",  "Text5",  "Text6",
                             "Text7",    "Text8",    "Text9",  "Text13", "Text14", "Text15",
                             "Text16",   "Text17",   "Command1", "Command2", "Text18", "Text19",
                             "Text10",   "Text11",   "Text12", "Text20", "Text21", "Text22",
                             "Text1"};
  QStringList visited = {QApplication::focusWidget()->objectName()};
  for (int i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, order);
}

void WindowLayoutTest::enterInAFieldStartsNoRun() {
  // Neither button is the default: Enter in a field presses nothing. Had it
  // started a run, its first prompt would come up and be counted.
  traverse::testing::ModalDriver driver;
  for (const char* name : {"Text1", "Text17", "Text22"}) {
    auto* field = window_->findChild<QLineEdit*>(name);
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter);
  }
  QVERIFY(!window_->IsRunning());
  QCOMPARE(driver.Unexpected(), 0);
}

void WindowLayoutTest::fieldsAreNamedAfterTheirLabels_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("Text1") << QStringLiteral("导线点个数说明");
  QTest::newRow("Text2") << QStringLiteral("起始点纵座标 Xa");
  QTest::newRow("Text5") << QStringLiteral("闭合点横座标 Yb");
  QTest::newRow("Text13") << QStringLiteral("方位角闭合差 fb");
  QTest::newRow("Text16") << QStringLiteral("导线全长 [ S ]");
  QTest::newRow("Text14") << QStringLiteral("纵座标闭合差  （经过角度配赋） Fx");
  QTest::newRow("Text10") << QStringLiteral("点  名");
  QTest::newRow("Text12") << QStringLiteral("横 座 标 Yp");
  QTest::newRow("Text22") << QStringLiteral("点名提示");
}

void WindowLayoutTest::fieldsAreNamedAfterTheirLabels() {
  QFETCH(QString, name);
  auto* field = window_->findChild<QLineEdit*>(QString::fromLatin1(QTest::currentDataTag()));
  QVERIFY(field);
  QCOMPARE(field->accessibleName(), name);
}

void WindowLayoutTest::chineseCaptionsHaveGlyphsWithoutSongInstalled() {
  // Whether or not 宋体 is there, no Chinese caption may come out as boxes,
  // and the Song labels keep to a Song face that they ask for.
  for (QLabel* label : window_->findChildren<QLabel*>()) {
    const QString caption = label->text();
    if (!HasHan(caption)) continue;
    const QFont font = label->font();
    const QRawFont han = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
    QVERIFY2(han.isValid(), qPrintable(label->objectName()));
    for (QChar c : caption) {
      if (c.isSpace()) continue;
      QVERIFY2(han.supportsCharacter(c) || QRawFont::fromFont(font).supportsCharacter(c),
               qPrintable(label->objectName() + ": " + c));
    }
    if (font.families().value(0) == kSong) {
      QVERIFY2(font.families().contains(QFontInfo(font).family()),
               qPrintable(label->objectName() + " is set in " + QFontInfo(font).family()));
    }
  }
}

void WindowLayoutTest::wrappedCaptionsKeepBlanksAndShowWholeLines() {
  // The blanks inside a caption are part of it: in Label8 the run of blanks
  // pushes 外方位角 onto the second line, and Label23 starts three blanks in.
  // A box one line high shows nothing of what wraps below: Label21's 1/M.
  const auto ink_rows = [this](const QString& name) {
    const QRect box = window_->findChild<QLabel*>(name)->geometry();
    QList<int> rows;
    for (int y = box.top(); y <= box.bottom(); ++y) {
      for (int x = box.left(); x <= box.right(); ++x) {
        if (shot_.pixelColor((QPointF(x, y) * ratio_).toPoint()) != kYellow) {
          rows << y - box.top();
          break;
        }
      }
    }
    return rows;
  };
  const QList<int> label8 = ink_rows("Label8");
  QVERIFY(!label8.isEmpty());
  const int line_height = QFontMetrics(window_->findChild<QLabel*>("Label8")->font()).height();
  QVERIFY2(label8.last() >= line_height, "Label8 did not wrap onto its second line");

  auto* label23 = window_->findChild<QLabel*>("Label23");
  const QRect box = label23->geometry();
  int first_ink_column = box.width();
  // The glyphs of the first line only, above its baseline.
  for (int y = box.top(); y < box.top() + QFontMetrics(label23->font()).ascent(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      if (shot_.pixelColor((QPointF(x, y) * ratio_).toPoint()) != kYellow) {
        first_ink_column = std::min(first_ink_column, x - box.left());
        break;
      }
    }
  }
  QVERIFY(first_ink_column >= QFontMetrics(label23->font()).horizontalAdvance("   "));

  // Below the first line only the field under the box may show, in its last
  // row.
  auto* label21 = window_->findChild<QLabel*>("Label21");
  const int first_line = QFontMetrics(label21->font()).height();
  for (int row : ink_rows("Label21")) {
    QVERIFY2(row <= first_line || row == label21->height() - 1,
             qPrintable(QString("ink in row %1 of a one-line box").arg(row)));
  }
}

void WindowLayoutTest::scaleFactorFromTheEnvironmentApplies() {
  // The second registration of this test runs at twice the scale; the places
  // above are in device-independent pixels either way.
  const double wanted = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                            : 1.0;
  QCOMPARE(window_->devicePixelRatio(), wanted);
  QCOMPARE(ratio_, wanted);
}

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
