// The prompt dialog of a run: what each way of closing it returns, its
// caption, its modality and that a long prompt shows whole.

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "app/prompt_box.h"
#include "modal_driver.h"

using traverse::MainWindow;
using traverse::PromptBox;

namespace {

// The longest prompt of a run.
const std::string kLongPrompt =
    "这次起始点 A 的外方位角 Ta 输入是否正确?   输入正确按输入键(即为:Enter键 );  "
    "输入错误按零(即为:0 )";

enum class Close { OkButton, EnterKey, CancelButton, EscapeKey, CloseBox };

}  // namespace

Q_DECLARE_METATYPE(Close)

class PromptBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void returns_data();
  void returns();
  void looksAsARunNeedsIt();
};

void PromptBoxTest::returns_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<Close>("close");
  QTest::addColumn<QString>("returned");

  QTest::newRow("OK returns the text") << "1234.0625" << Close::OkButton << "1234.0625";
  QTest::newRow("Enter returns the text") << "  45.3015 " << Close::EnterKey << "  45.3015 ";
  QTest::newRow("Enter on nothing returns nothing") << "" << Close::EnterKey << "";
  QTest::newRow("Chinese point name") << "导线点P1" << Close::EnterKey << "导线点P1";
  QTest::newRow("Cancel returns nothing") << "abc" << Close::CancelButton << "";
  QTest::newRow("Escape returns nothing") << "12" << Close::EscapeKey << "";
  QTest::newRow("close box returns nothing") << "12" << Close::CloseBox << "";
}

void PromptBoxTest::returns() {
  QFETCH(QString, typed);
  QFETCH(Close, close);
  QFETCH(QString, returned);

  MainWindow window;
  window.show();
  traverse::testing::ModalDriver driver;
  driver.Then([&](QWidget* modal) {
    auto* field = modal->findChild<QLineEdit*>();
    QVERIFY(field);
    traverse::testing::TypeInto(field, typed);
    QCOMPARE(field->text(), typed);
    auto* buttons = modal->findChild<QDialogButtonBox*>();
    switch (close) {
      case Close::OkButton:
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        break;
      case Close::EnterKey:
        QTest::keyClick(field, Qt::Key_Return);
        break;
      case Close::CancelButton:
        QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        break;
      case Close::EscapeKey:
        QTest::keyClick(field, Qt::Key_Escape);
        break;
      case Close::CloseBox:
        // Through the platform window, as the title bar's close box does.
        modal->windowHandle()->close();
        break;
    }
  });
  const std::string answer = window.PromptDialog("请输入起始点 A 的纵座标 Xa ");
  QCOMPARE(QString::fromStdString(answer), returned);
  QCOMPARE(driver.StepsLeft(), std::size_t{0});
  QCOMPARE(driver.Unexpected(), 0);
}

void PromptBoxTest::looksAsARunNeedsIt() {
  MainWindow window;
  window.show();
  traverse::testing::ModalDriver driver;
  driver.Then([&](QWidget* modal) {
    QVERIFY(qobject_cast<PromptBox*>(modal));
    QCOMPARE(modal->windowTitle(), QStringLiteral("附合导线近似平差"));
    QCOMPARE(modal->windowModality(), Qt::ApplicationModal);
    QVERIFY(modal->findChild<QLineEdit*>()->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), modal->findChild<QLineEdit*>());

    // Shown whole: every blank of the prompt kept, every wrapped line inside
    // the label.
    auto* message = modal->findChild<QLabel*>();
    QCOMPARE(message->text(), QString::fromStdString(kLongPrompt));
    QCOMPARE(message->textFormat(), Qt::PlainText);
    const QRect needed = message->fontMetrics().boundingRect(
        message->contentsRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
        message->text());
    QVERIFY(needed.height() <= message->contentsRect().height());
    QVERIFY(needed.height() > message->fontMetrics().height());  // it did wrap
    QVERIFY(modal->rect().contains(message->geometry()));
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  window.PromptDialog(kLongPrompt);
  QCOMPARE(driver.StepsLeft(), std::size_t{0});
}

QTEST_MAIN(PromptBoxTest)
#include "prompt_box_test.moc"
