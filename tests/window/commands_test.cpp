// The two commands through the real window and real dialogs: Stop and the
// close box end the program, nothing interrupts a run, a failed run leaves the
// window idle with its fields, and a whole run shows what it writes.

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "app/prompt_box.h"
#include "modal_driver.h"

using traverse::MainWindow;
using traverse::PromptBox;
using traverse::testing::UnescapeTranscriptText;
using traverse::testing::ModalDriver;

namespace {

const QString kPointCountPrompt =
    QStringLiteral("请输入导线的点数 N （N 点数中不包括已知点 A ,但应包括已知点 B )");

// Stands for Escape among the answers of a row.
const QString kEscape = QStringLiteral("<Escape>");

QStringList FieldTexts(const MainWindow& window) {
  QStringList texts;
  for (int i = 1; i <= traverse::kFieldCount; ++i) {
    texts << window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i))->text();
  }
  return texts;
}

// Runs the program's event loop, does `action` in it and returns the loop's
// exit code once something ends it: 0 when the program quits, -1 when nothing
// has ended it after ten seconds.
int RunEventLoopUntilQuit(const std::function<void()>& action) {
  QTimer::singleShot(0, action);
  QTimer guard;  // keeps a broken Stop from hanging the test
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
  guard.start(10000);
  return QApplication::exec();
}

// One line of a transcript of the scripted run.
struct TranscriptEvent {
  QString kind;  // "prompt", "answer", "field", "failure" or "end"
  QString first;
  QString second;
};

QList<TranscriptEvent> ReadTranscript(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<TranscriptEvent> events;
  for (const QByteArray& raw : file.readAll().split('\n')) {
    if (raw.isEmpty()) continue;
    const QStringList parts = QString::fromUtf8(raw).split('\t');
    events.append({parts.value(0), UnescapeTranscriptText(parts.value(1)), UnescapeTranscriptText(parts.value(2))});
  }
  return events;
}

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void stopEndsTheProgram();
  void closeBoxEndsTheProgram();
  void nothingInterruptsARun();
  void failedRunLeavesTheWindowIdle_data();
  void failedRunLeavesTheWindowIdle();
  void wholeRunShowsEveryTextAsItIsWritten();
};

void CommandsTest::stopEndsTheProgram() {
  MainWindow window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QSignalSpy last_window(qApp, &QGuiApplication::lastWindowClosed);
  auto* stop = window.findChild<QPushButton*>("Command2");
  QCOMPARE(RunEventLoopUntilQuit([stop] { QTest::mouseClick(stop, Qt::LeftButton); }), 0);
  QVERIFY(!window.isVisible());
  QCOMPARE(last_window.count(), 1);
}

void CommandsTest::closeBoxEndsTheProgram() {
  MainWindow window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  // Fill a field first: whatever the fields show, nothing is asked.
  window.SetFieldText(traverse::Field::Text2, " 1000.000");
  ModalDriver driver;
  QCOMPARE(RunEventLoopUntilQuit([&window] { window.windowHandle()->close(); }), 0);
  QVERIFY(!window.isVisible());
  QCOMPARE(driver.Unexpected(), 0);
}

void CommandsTest::nothingInterruptsARun() {
  MainWindow window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* compute = window.findChild<QPushButton*>("Command1");
  auto* stop = window.findChild<QPushButton*>("Command2");

  ModalDriver driver;
  driver.Then([&](QWidget* prompt) {
    QVERIFY(qobject_cast<PromptBox*>(prompt));
    QCOMPARE(prompt->findChild<QLabel*>()->text(), kPointCountPrompt);
    QVERIFY(window.IsRunning());
    // As the user would: clicks on the window behind the dialog...
    for (QPushButton* button : {compute, stop}) {
      QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                        button->geometry().center());
    }
    window.windowHandle()->close();
    // ...and anything that gets past the modality all the same.
    compute->click();
    stop->click();
    QVERIFY(!window.close());

    QVERIFY(window.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), prompt);
    QVERIFY(prompt->isVisible());
    QTest::keyClick(prompt->findChild<QLineEdit*>(), Qt::Key_Escape);
  });
  driver.Then([](QWidget* box) {
    // An empty N ends the run.
    QVERIFY(qobject_cast<QMessageBox*>(box));
    QTest::keyClick(box, Qt::Key_Return);
  });
  QTest::mouseClick(compute, Qt::LeftButton);

  QCOMPARE(driver.StepsLeft(), std::size_t{0});
  QCOMPARE(driver.Unexpected(), 0);  // no second run started
  QVERIFY(window.isVisible());
  QVERIFY(!window.IsRunning());
}

void CommandsTest::failedRunLeavesTheWindowIdle_data() {
  QTest::addColumn<QStringList>("answers");
  QTest::addColumn<QStringList>("fields");  // Text1, Text2, ... as the failure leaves them

  QTest::newRow("N not a number") << QStringList{"abc"} << QStringList{};
  QTest::newRow("N cancelled") << QStringList{kEscape} << QStringList{};
  QTest::newRow("N negative") << QStringList{"-3"} << QStringList{};
  QTest::newRow("confirmation neither empty nor a number")
      << QStringList{"1", "1000", "y"}
      << QStringList{QStringLiteral("本导线含已知点共有2个导线点"), " 1000.000"};
  QTest::newRow("Ta not an angle")
      << QStringList{"2", "1000", "", "2000", "", "258.486", "", "1644.722", "", "abc", ""}
      << QStringList{QStringLiteral("本导线含已知点共有3个导线点"), " 1000.000", " 2000.000",
                     " 258.486", " 1644.722", " abc"};

  // The later failure points on a one-side traverse: A (1000, 2000) to
  // B (1100, 2000), Ta 180, Tb 0, A's angle 180, side 100, B's angle 180, every
  // value confirmed with an empty answer. Each row types one bad answer and
  // gives the answers up to the last one the run asks before it fails.
  enum Answer {
    kN = 0, kXa = 1, kYa = 3, kXb = 5, kYb = 7, kTa = 9, kTb = 11,
    kNameA = 13, kAngleA = 14, kSide = 16, kNameB = 18, kAngleB = 19,
  };
  const auto oneSide = [](Answer at, const QString& bad, int last) {
    QStringList answers{"1",  "1000", "", "2000", "", "1100", "", "2000", "", "180", "",
                        "0",  "",     "A", "180", "", "100",  "", "B",    "180", ""};
    answers[at] = bad;
    return answers.mid(0, last + 1);
  };
  const QString twoPoints = QStringLiteral("本导线含已知点共有2个导线点");
  const QString startA = QStringLiteral("现在输入A点的点号");
  const QString angleA = QStringLiteral("现在输入A点转角");
  const QString startB = QStringLiteral("现在输入B点的点号");
  const QString angleB = QStringLiteral("现在输入B点转角");
  const QString side1 = QStringLiteral("现在输入1边长");
  const QString noClosure = QStringLiteral("  0秒");

  QTest::newRow("Tb not an angle, after its confirmation")
      << oneSide(kTb, "abc", kTb + 1)
      << QStringList{twoPoints, " 1000.000", " 2000.000", " 1100.000", " 2000.000",
                     " 180.00000", " abc"};
  QTest::newRow("Xa not a number, at the end of station 1")
      << oneSide(kXa, "abc", kSide + 1)
      << QStringList{twoPoints, " abc", " 2000.000", " 1100.000", " 2000.000", " 180.00000",
                     " 0.00000", "B0=180.0000", "S1=100.000", "  A", "", "", "", "", "", "", "",
                     "", "", angleA, side1, startA};
  QTest::newRow("angle at A not a number, at the end of station 1")
      << oneSide(kAngleA, "abc", kSide + 1)
      << QStringList{twoPoints, " 1000.000", " 2000.000", " 1100.000", " 2000.000",
                     " 180.00000", " 0.00000", "B0=abc", "S1=100.000", "  A", "", "", "", "",
                     "", "", "", "", "", angleA, side1, startA};
  QTest::newRow("side not a number, at the end of station 1")
      << oneSide(kSide, "abc", kSide + 1)
      << QStringList{twoPoints, " 1000.000", " 2000.000", " 1100.000", " 2000.000",
                     " 180.00000", " 0.00000", "B0=180.0000", "S1=abc", "  A", "", "", "", "",
                     "", "", "", "", "", angleA, side1, startA};
  QTest::newRow("angle at B cancelled, after its confirmation")
      << oneSide(kAngleB, kEscape, kAngleB + 1)
      << QStringList{twoPoints, " 1000.000", " 2000.000", " 1100.000", " 2000.000",
                     " 180.00000", " 0.00000", "b1=", "S1=100.000", "  B", "", "", "", "", "",
                     "", "", "", "", angleB, side1, startB};
  QTest::newRow("Xb not a number, after the angular closure")
      << oneSide(kXb, "abc", kAngleB + 1)
      << QStringList{twoPoints, " 1000.000", " 2000.000", " abc", " 2000.000", " 180.00000",
                     " 0.00000", "b1=180.00000", "S1=100.000", "", "", "", noClosure, "", "",
                     "", "", "", "", angleB, side1};
  QTest::newRow("side of 0, total length zero before the listing")
      << oneSide(kSide, "0", kAngleB + 1)
      << QStringList{twoPoints, " 1000.000", " 2000.000", " 1100.000", " 2000.000",
                     " 180.00000", " 0.00000", "b1=180.00000", "S1=0.000", "", "", "",
                     noClosure, QStringLiteral("-100000.00毫米"), QStringLiteral("0.00毫米"), "",
                     "", QStringLiteral("-100000.00毫米"), QStringLiteral("0.00毫米"), angleB,
                     side1};
  // The first closure shown in millimetres is the one before the angles are
  // corrected: 1e308 m leaves a double there, after the angular closure.
  QTest::newRow("side of 1e308, closure in millimetres out of range")
      << oneSide(kSide, "1e308", kAngleB + 1)
      << QStringList{twoPoints, " 1000.000", " 2000.000", " 1100.000", " 2000.000",
                     " 180.00000", " 0.00000", "b1=180.00000",
                     "S1=1" + QString(308, '0') + ".000", "", "", "", noClosure, "", "", "", "",
                     "", "", angleB, side1};
  QTest::newRow("confirmation out of range")
      << oneSide(Answer(kXa + 1), "1e400", kXa + 1) << QStringList{twoPoints, " 1000.000"};
}

void CommandsTest::failedRunLeavesTheWindowIdle() {
  QFETCH(QStringList, answers);
  QFETCH(QStringList, fields);

  MainWindow window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  ModalDriver driver;
  for (const QString& answer : answers) {
    if (answer == kEscape) {
      driver.Escape();
    } else {
      driver.Answer(answer);
    }
  }
  QString failure;
  driver.Then([&](QWidget* box) {
    auto* message = qobject_cast<QMessageBox*>(box);
    QVERIFY2(message, "a prompt came where the failure box should be");
    QCOMPARE(message->windowTitle(), QStringLiteral("附合导线近似平差"));
    QCOMPARE(message->icon(), QMessageBox::Warning);
    QCOMPARE(message->buttons().size(), 1);
    QCOMPARE(message->standardButtons(), QMessageBox::Ok);
    failure = message->text();
    QTest::mouseClick(message->button(QMessageBox::Ok), Qt::LeftButton);
  });
  QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);

  QCOMPARE(driver.StepsLeft(), std::size_t{0});
  QCOMPARE(driver.Unexpected(), 0);
  QVERIFY(!failure.isEmpty());
  QVERIFY(window.isVisible());
  QVERIFY(!window.IsRunning());
  while (fields.size() < traverse::kFieldCount) fields << QString();
  QCOMPARE(FieldTexts(window), fields);

  // Idle again: Compute starts a fresh run, which asks for N first and clears
  // nothing.
  driver.Then([&](QWidget* prompt) {
    QVERIFY(qobject_cast<PromptBox*>(prompt));
    QCOMPARE(prompt->findChild<QLabel*>()->text(), kPointCountPrompt);
    QCOMPARE(FieldTexts(window), fields);
    QTest::keyClick(prompt, Qt::Key_Escape);
  });
  driver.Then([](QWidget* box) {
    QVERIFY(qobject_cast<QMessageBox*>(box));
    QTest::keyClick(box, Qt::Key_Return);
  });
  QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
  QCOMPARE(driver.StepsLeft(), std::size_t{0});
  QCOMPARE(driver.Unexpected(), 0);
}

void CommandsTest::wholeRunShowsEveryTextAsItIsWritten() {
  // The worked station example, answered through the dialogs. At every prompt
  // the window already shows each text written before it.
  const QList<TranscriptEvent> events =
      ReadTranscript(QStringLiteral(TRAVERSE_TEST_DATA_DIR "/station-example.transcript"));
  QVERIFY(!events.isEmpty());
  QCOMPARE(events.last().kind, QStringLiteral("end"));

  MainWindow window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QStringList shown(traverse::kFieldCount);
  ModalDriver driver;
  for (int i = 0; i < events.size(); ++i) {
    const TranscriptEvent& event = events[i];
    if (event.kind == "field") {
      shown[event.first.mid(4).toInt() - 1] = event.second;
    } else if (event.kind == "prompt") {
      const QString answer = events.value(i + 1).first;
      driver.Then([&window, event, answer, expected = shown](QWidget* prompt) {
        QVERIFY(qobject_cast<PromptBox*>(prompt));
        QCOMPARE(prompt->findChild<QLabel*>()->text(), event.first);
        QCOMPARE(FieldTexts(window), expected);
        auto* field = prompt->findChild<QLineEdit*>();
        traverse::testing::TypeInto(field, answer);
        QTest::keyClick(field, Qt::Key_Return);
      });
    }
  }
  QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);

  QCOMPARE(driver.StepsLeft(), std::size_t{0});
  QCOMPARE(driver.Unexpected(), 0);  // and so no failure box
  QCOMPARE(FieldTexts(window), shown);
  QVERIFY(!window.IsRunning());
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
