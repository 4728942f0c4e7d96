// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up window hands over to the main window once, by its timer or by "OK".
#include "fenstertest.h"
#include "start_fenster.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace app;

class TestStart : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { keineFensterUebrig(); }

    void inhaltUndZeitgeber()
    {
        Start start(nullptr, {});
        pruefeVertrag(start, {{"Image1", "QLabel", 240, 240, 1200, 1500},
                              {"Label1", "QLabel", 1680, 180, 5295, 600},
                              {"Command1", "QPushButton", 5700, 3540, 1260, 420}});
        QCOMPARE(start.windowTitle(), u"Tempara"_s);
        const auto* name = start.findChild<QLabel*>(u"Label1"_s);
        QVERIFY(name->text() == u"Tempara"_s && name->font().bold() && name->font().pointSize() == 24);
        for (const char* bild : {"Image1", "Image2", "Picture2"})
            QVERIFY2(!start.findChild<QLabel*>(QLatin1String(bild))->pixmap().isNull(), bild);
        const auto* zeitgeber = start.findChild<QTimer*>(u"Timer1"_s);
        QVERIFY(zeitgeber->isActive() && zeitgeber->interval() == 10000);
    }

    void uebergabe()
    {
        for (int weg = 0; weg < 3; ++weg) {  // "OK", the timer, the close box
            int uebergaben = 0;
            QPointer<Start> start = new Start(nullptr, [&] { ++uebergaben; });
            start->show();
            if (weg == 2)
                start->close();
            else if (weg == 1)
                QMetaObject::invokeMethod(start->findChild<QTimer*>(u"Timer1"_s), "timeout", Qt::DirectConnection);
            else
                QTest::mouseClick(start->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
            QTRY_VERIFY(!start);  // closed and gone, never handing over twice
            QVERIFY2(uebergaben == 1, qPrintable(QString::number(weg)));
        }
    }
};

QTEST_MAIN(TestStart)
#include "tst_app_start.moc"
