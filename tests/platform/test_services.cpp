// Tintwell tests - the real services: single-copy lock, message boxes, the
// program's information.
#include "platform/services/AppInfo.h"
#include "platform/services/QtMessageBoxService.h"
#include "platform/services/SingleInstance.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class ServicesTest : public QObject
{
    Q_OBJECT

  private slots:
    void onlyTheFirstCopyRuns()
    {
        QTemporaryDir dir;
        LockFileSingleInstance first(dir.path());
        LockFileSingleInstance second(dir.path());
        QVERIFY(!first.anotherInstanceRunning());
        QVERIFY(second.anotherInstanceRunning());
        // The answer is taken once, at load: asking again does not change it.
        QVERIFY(!first.anotherInstanceRunning());
        first.release();
        LockFileSingleInstance third(dir.path());
        QVERIFY(!third.anotherInstanceRunning());
    }

    void aLockLeftByAVanishedCopyIsTakenOver()
    {
        QTemporaryDir dir;
        // A lock file naming a process that has ended, as a crash leaves it.
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        LockFileSingleInstance probe(dir.path());
        QFile stale(probe.lockFilePath());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(pid) + "\ntintwell\n" +
                    QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        QVERIFY(!probe.anotherInstanceRunning());
    }

    void lockLivesInTheRuntimeDirectory()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        LockFileSingleInstance instance;
        QCOMPARE(instance.lockFilePath(), runtime.filePath(QStringLiteral("tintwell.lock")));
        QVERIFY(!instance.anotherInstanceRunning());
        QVERIFY(QFile::exists(instance.lockFilePath()));
    }

    void applicationInformation()
    {
        const AppInfo info = currentAppInfo();
        QCOMPARE(info.title, QStringLiteral("Tintwell"));
        QCOMPARE(info.productName, QStringLiteral("Tintwell"));
        QCOMPARE(QStringLiteral("%1.%2.%3").arg(info.major).arg(info.minor).arg(info.revision),
                 QStringLiteral("0.5.7"));
        QCOMPARE(info.exeName, QStringLiteral("test_services"));
        QVERIFY(!info.companyName.isEmpty());
    }

    void messageBoxes_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        QTest::addColumn<int>("icon");
        QTest::newRow("no title gives the program's") << ""
                                                      << "Tintwell" << int(MsgIcon::Information);
        QTest::newRow("own title") << "SORRY"
                                   << "SORRY" << int(MsgIcon::None);
    }

    void messageBoxes()
    {
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        QFETCH(int, icon);
        QtMessageBoxService service(QStringLiteral("Tintwell"));
        QString seenTitle;
        QString seenText;
        QMessageBox::Icon seenIcon = QMessageBox::Critical;
        // The real box is the subject here: read it while it waits, then answer it.
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenIcon = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        });
        const MsgResult result = service.show(
            {QStringLiteral("Numbers Only Please"), title, MsgIcon(icon), MsgButtons::OK});
        QCOMPARE(result, MsgResult::OK);
        QCOMPARE(seenTitle, shownTitle);
        QCOMPARE(seenText, QStringLiteral("Numbers Only Please"));
        QCOMPARE(seenIcon, icon == int(MsgIcon::Information) ? QMessageBox::Information
                                                             : QMessageBox::NoIcon);
    }

    void yesNoQuestionsReturnTheAnswer()
    {
        QtMessageBoxService service(QStringLiteral("Tintwell"));
        QTimer::singleShot(0, this, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(service.show(
                     {QStringLiteral("Print?"), QString(), MsgIcon::Question, MsgButtons::YesNo}),
                 MsgResult::No);
    }
};

QTEST_MAIN(ServicesTest)
#include "test_services.moc"
