#include "app/cyesnodialog.h"
#include "app/pageframe.h"
#include "app/reportoffer.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

class tst_PageFrame : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void yesNoTextSize_data();
    void yesNoTextSize();
    void yesNoFontsTakeTheSize();
    void yesNoResult_data();
    void yesNoResult();
    void yesNoPlacedAfterRotation();
    void reportOfferButtonsShowTheirTexts_data();
    void reportOfferButtonsShowTheirTexts();
    void backKeys();
    void singleInstance();
};

void tst_PageFrame::yesNoTextSize_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("size");
    QTest::newRow("1024x768") << 768 << 28;
    QTest::newRow("800x600") << 600 << 22;
    QTest::newRow("1920x1080") << 1080 << 39;
}

void tst_PageFrame::yesNoTextSize()
{
    QFETCH(int, screen);
    QFETCH(int, size);
    QCOMPARE(cYesNoDialog::s32TextSize(screen), size);
}

void tst_PageFrame::yesNoFontsTakeTheSize()
{
    // The style sheets must be accepted: a size they cannot read leaves the
    // default font, far smaller than the one asked for.
    cYesNoDialog dialog;
    const int s32Size = cYesNoDialog::s32TextSize(PageFrame::s32AvailableUnit());
    for (const char* pName : {"label_WindowTitel", "label_Text", "pushButton_ja", "pushButton_nein"}) {
        auto* pWidget = dialog.findChild<QWidget*>(pName);
        QVERIFY(pWidget);
        pWidget->ensurePolished();
        QCOMPARE(pWidget->font().pixelSize(), s32Size);
    }
}

void tst_PageFrame::yesNoResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("ja") << "pushButton_ja" << 1;
    QTest::newRow("nein") << "pushButton_nein" << 0;
    QTest::newRow("closed otherwise") << "" << 0;
}

void tst_PageFrame::yesNoResult()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    cYesNoDialog dialog;
    dialog.vSetText("Wirklich?");
    QTimer::singleShot(0, &dialog, [&] {
        if (button.isEmpty())
            dialog.reject();
        else
            QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), result);
}

void tst_PageFrame::yesNoPlacedAfterRotation()
{
    cYesNoDialog dialog;
    dialog.resize(300, 100);
    QVERIFY(QMetaObject::invokeMethod(&dialog, "onRotate",
                                      Q_ARG(Qt::ScreenOrientation, Qt::PortraitOrientation)));
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(dialog.pos(), QPoint((available.height() - 100) / 2, (available.width() - 300 / 4) / 4));
}

void tst_PageFrame::reportOfferButtonsShowTheirTexts_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("Deutsch") << QString();
    for (const QString& strFile : QDir(QStringLiteral(":/")).entryList({QStringLiteral("vemoapp_*.qm")}))
        QTest::newRow(qPrintable(strFile)) << strFile;
}

void tst_PageFrame::reportOfferButtonsShowTheirTexts()
{
    QFETCH(QString, catalogue);
    QTranslator translator;
    if (!catalogue.isEmpty()) {
        QVERIFY(translator.load(catalogue, QStringLiteral(":/")));
        QCoreApplication::installTranslator(&translator);
    }
    QStringList slCut;
    int s32Buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox)
            return;
        for (QAbstractButton* pButton : pBox->buttons()) {
            ++s32Buttons;
            // The text and the button's frame and padding, as the style
            // sheet asks for them, must fit into the button as shown.
            const int s32Text = pButton->fontMetrics().horizontalAdvance(pButton->text());
            if (pButton->width() < s32Text || pButton->width() < pButton->sizeHint().width())
                slCut << QStringLiteral("%1 (%2 px for a text of %3 px, %4 px wanted)")
                             .arg(pButton->text())
                             .arg(pButton->width())
                             .arg(s32Text)
                             .arg(pButton->sizeHint().width());
        }
        pBox->reject();
    });
    // A report that can be printed: all four answers.
    ReportOffer::Printing printing;
    printing.fnDraw = [](QPagedPaintDevice*) { return true; };
    ReportOffer::vOffer(nullptr, TestSupport::strHome() + QStringLiteral("/Berichte/Auftrag_1001.pdf"),
                        QStringLiteral("Auftrag 1001"), printing);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(s32Buttons, 4);
    QVERIFY2(slCut.isEmpty(), qPrintable(slCut.join(QStringLiteral(", "))));
}

void tst_PageFrame::backKeys()
{
    QKeyEvent back(QEvent::KeyRelease, Qt::Key_Back, Qt::NoModifier);
    QKeyEvent escape(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QKeyEvent other(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
    QVERIFY(PageFrame::bIsBackKey(&back));
    QVERIFY(PageFrame::bIsBackKey(&escape));
    QVERIFY(!PageFrame::bIsBackKey(&other));
}

void tst_PageFrame::singleInstance()
{
    QWidget* first = PageFrame::tInstance<QWidget>();
    QCOMPARE(PageFrame::tInstance<QWidget>(), first);
    QVERIFY(first->parent() == nullptr);
}

QTEST_MAIN(tst_PageFrame)
#include "tst_pageframe.moc"
