// The start-up window hands over to the main window once, by its timer or by "OK".
#include "start.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestStart : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void inhaltUndZeitgeber()
    {
        QPointer<Start> start = new Start(nullptr, {});
        start->show();
        QCOMPARE(start->windowTitle(), u"Tempara"_s);
        const auto* name = start->findChild<QLabel*>(u"Label1"_s);
        QCOMPARE(name->text(), u"Tempara"_s);
        QVERIFY(name->font().bold());
        QCOMPARE(name->font().pointSize(), 24);
        QVERIFY(start->findChild<QLabel*>(u"Label2"_s)->text().contains(u"\r\n"_s));
        for (const char* bild : {"Image1", "Image2", "Picture2"})
            QVERIFY2(!start->findChild<QLabel*>(QLatin1String(bild))->pixmap().isNull(), bild);
        const auto* zeitgeber = start->findChild<QTimer*>(u"Timer1"_s);
        QVERIFY(zeitgeber->isActive());
        QCOMPARE(zeitgeber->interval(), 10000);
        delete start;
    }

    void uebergabe_data()
    {
        QTest::addColumn<bool>("perZeitgeber");
        QTest::addColumn<bool>("perSchliessfeld");
        QTest::newRow("OK") << false << false;
        QTest::newRow("nach zehn Sekunden") << true << false;
        // Closing the window by its close box must not leave a program without any window.
        QTest::newRow("Schließfeld") << false << true;
    }
    void uebergabe()
    {
        QFETCH(bool, perZeitgeber);
        QFETCH(bool, perSchliessfeld);
        int uebergaben = 0;
        QPointer<Start> start = new Start(nullptr, [&] { ++uebergaben; });
        start->show();
        if (perSchliessfeld)
            start->close();
        else if (perZeitgeber)
            QMetaObject::invokeMethod(start->findChild<QTimer*>(u"Timer1"_s), "timeout", Qt::DirectConnection);
        else
            QTest::mouseClick(start->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
        QCOMPARE(uebergaben, 1);
        QVERIFY(!start || !start->isVisible());
        QTRY_VERIFY(!start);  // closed and gone, never handing over twice
        QCOMPARE(uebergaben, 1);
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
