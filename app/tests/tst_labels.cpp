#include "calculator.h"
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
    QCOMPARE(text,
             "On utilise QUIMBEL exactement comme une calculatrice. On inscrit dans la fenêtre du "
             "haut le contrat et son résultat dont on veut calculer le score. La 'couleur' du "
             "contrat est déterminée par la touche NT (no trump) pour  sans-atout ou par l'un des "
             "symboles représentant trèfle, carreau, coeur ou pique.\r\nPar exemple on tape "
             "successivement sur le 4, sur le signe coeur, deux fois sur le X puis sur + et enfin "
             "sur 2: on inscrit  ainsi 4CXX+2.\r\nIl reste à taper sur V ou sur NV suivant que "
             "l'on veut le score vulnérable ou non vulnérable: s'il n'y a pas eu d'erreur de "
             "saisie, le score apparaîtra dans la fenêtre du bas.\r\nLa touche C efface le dernier "
             "caractère inscrit, la touche INI remet les deux fenêtres à vide et la touche OFF "
             "ferme l'application.\r\nQUIMBEL donne aussi les fréquences de répartition d'une "
             "couleur: tapez 3-3, 5-2 ou 5-4..10-0, et vous obtiendrez avec V ou NV la fréquence "
             "correspondante.\r\nToute erreur de saisie dans la fenêtre du haut donnera 'Erreur' "
             "dans la fenêtre du résultat.");
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
