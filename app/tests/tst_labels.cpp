#include "calculator.h"
#include "help_text.h"
#include "modal.h"

#include <QLabel>
#include <QMessageBox>

#include <optional>

class TestLabels : public QObject {
    Q_OBJECT

private slots:
    void init() { calculator.emplace(); }
    void cleanup() { calculator.reset(); }

    void help();
    void aboutTwice();
    void otherClicksOpenNothing();

private:
    void click(const char* label, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(calculator->form->findChild<QLabel*>(label), button);
    }

    std::optional<Calculator> calculator;
};

void TestLabels::help() {
    calculator->press("4 ♥ V");
    QString title, text;
    whenModalAppears(
        [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            title = box->windowTitle();
            text = box->text();
        },
        calculator->form.get());
    click("Label3");

    QCOMPARE(title, QString("Mode d'emploi de QUIMBEL"));
    QCOMPARE(text, QString::fromStdString(quimbel::helpText()));
    // The lines are as the player left them.
    QCOMPARE(calculator->input(), QString("4♥="));
    QCOMPARE(calculator->result(), QString("620"));
    QCOMPARE(calculator->resultColour(), darkRed);
}

void TestLabels::aboutTwice() {
    for (int opening = 0; opening < 2; ++opening) {
        QStringList shown;
        whenModalAppears(
            [&](QWidget* modal) {
                QCOMPARE(modal->objectName(), QString("About"));
                for (const char* name : {"lblApplication", "lblHeading", "lblCopyright"})
                    shown << modal->findChild<QLabel*>(name)->text();
                QTest::mouseClick(modal->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            },
            calculator->form.get());
        click("Label4");
        QCOMPARE(shown.mid(0, 2), (QStringList{"CALCULATRICE de SCORES", "QUIMBEL"}));
        QVERIFY2(shown[2].startsWith("Copyright © 2026 ") &&
                     shown[2].endsWith("Tous droits réservés."),
                 qPrintable(shown[2]));
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), 1); // only the calculator is left
}

void TestLabels::otherClicksOpenNothing() {
    ModalCloser closer;
    click("Label1");
    click("Label2");
    click("Label3", Qt::RightButton);
    QTest::mouseClick(calculator->form.get(), Qt::LeftButton, {}, QPoint(200, 100));
    QTest::qWait(20);
    QCOMPARE(closer.closed(), 0);
    QCOMPARE(calculator->input(), QString());
    QCOMPARE(calculator->result(), QString());
}

QTEST_MAIN(TestLabels)
#include "tst_labels.moc"
