// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the real services: single-copy lock, message boxes, the
// program's information, bitmap files.
#include "platform/services/AppInfo.h"
#include "platform/services/QtMessageBoxService.h"
#include "platform/services/QtPasswordPrompt.h"
#include "platform/services/QtPictureFileWriter.h"
#include "platform/services/SingleInstance.h"
#include "support/FakeServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <optional>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Ways of making a write fail even for root, who may write anywhere.
enum class Obstacle
{
    None,
    ParentIsAFile,
    ParentIsMissing,
    DiskFull,    // the file size limit stands in for a full disk
    LockedFolder // no new files in the folder; its old file may be written
};

// Files beyond this size cannot be written while it holds.
class FileSizeLimit
{
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed test
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

  private:
    rlimit saved_{};
};

// While it holds, the folder takes no new files and its old file may be
// written. Root may write anywhere: for root, user nobody's checks apply.
struct LockedFolder
{
    LockedFolder(const QString &folder, const QString &oldFile) : folder_(folder)
    {
        chmod(QFile::encodeName(oldFile).constData(), 0666);
        chmod(QFile::encodeName(folder).constData(), 0555);
        setfsuid(geteuid() == 0 ? 65534 : geteuid()); // this thread only
    }
    ~LockedFolder()
    {
        setfsuid(geteuid());
        chmod(QFile::encodeName(folder_).constData(), 0755);
    }
    Q_DISABLE_COPY_MOVE(LockedFolder)
    QString folder_;
};

// A teal swatch with a dark corner, so that a picture stored upside down or
// mirrored does not pass.
QImage tealSwatch()
{
    QImage picture(200, 150, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 128));
    QPainter(&picture).fillRect(0, 0, 30, 20, QColor(10, 20, 30));
    return picture;
}

QStringList folderContents(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

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
        QTest::addColumn<int>("shownIcon");
        QTest::newRow("no title gives the program's")
            << ""
            << "Tintwell" << int(MsgIcon::Information) << int(QMessageBox::Information);
        QTest::newRow("own title") << "SORRY"
                                   << "SORRY" << int(MsgIcon::None) << int(QMessageBox::NoIcon);
        QTest::newRow("exclamation")
            << "Tintwell"
            << "Tintwell" << int(MsgIcon::Exclamation) << int(QMessageBox::Warning);
        QTest::newRow("critical") << "Tintwell"
                                  << "Tintwell" << int(MsgIcon::Critical)
                                  << int(QMessageBox::Critical);
        QTest::newRow("question") << "Tintwell"
                                  << "Tintwell" << int(MsgIcon::Question)
                                  << int(QMessageBox::Question);
    }

    void messageBoxes()
    {
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        QFETCH(int, icon);
        QFETCH(int, shownIcon);
        QtMessageBoxService service(QStringLiteral("Tintwell"));
        bool asked = false;
        QString seenTitle;
        QString seenText;
        QMessageBox::Icon seenIcon = QMessageBox::Critical;
        // The real box is the subject here: read it while it waits, then
        // answer it. The checks come once it is gone: one that failed in
        // here would leave the box waiting for an answer.
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                return; // no box: nothing was asked, which the checks below say
            }
            asked = true;
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenIcon = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        });
        const MsgResult result = service.show({.text = QStringLiteral("Numbers Only Please"),
                                               .title = title,
                                               .icon = MsgIcon(icon),
                                               .buttons = MsgButtons::OK});
        QVERIFY(asked);
        QCOMPARE(result, MsgResult::OK);
        QCOMPARE(seenTitle, shownTitle);
        QCOMPARE(seenText, QStringLiteral("Numbers Only Please"));
        QCOMPARE(int(seenIcon), shownIcon);
    }

    // A question answers the button pressed; Enter presses the first button,
    // Yes, under every platform theme.
    void questionsReturnTheAnswer_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<MsgResult>("answer");
        QTest::newRow("No clicked") << 0 << MsgResult::No;
        QTest::newRow("Enter") << int(Qt::Key_Return) << MsgResult::Yes;
    }

    void questionsReturnTheAnswer()
    {
        QFETCH(int, key);
        QFETCH(MsgResult, answer);
        QtMessageBoxService service(QStringLiteral("Tintwell"));
        bool asked = false;
        bool yesIsDefault = false;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                return; // no box: the answer below is wrong
            }
            asked = true;
            yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
            if (key != 0) {
                QTest::keyClick(box, Qt::Key(key));
            } else if (QAbstractButton *no = box->button(QMessageBox::No)) {
                no->click();
            } else {
                box->reject(); // no No button: the answer below is wrong
            }
        });
        const MsgResult given = service.show({.text = QStringLiteral("Print?"),
                                              .title = QString(),
                                              .icon = MsgIcon::Question,
                                              .buttons = MsgButtons::YesNo});
        QVERIFY(asked);
        QCOMPARE(given, answer);
        QVERIFY2(yesIsDefault, "Yes is not the default button");
    }

    // The print server's password is asked in a window of the program's own:
    // the user name filled in and changeable, the password hidden.
    void passwordWindow_data()
    {
        QTest::addColumn<bool>("again");
        QTest::addColumn<QString>("user"); // typed over the one filled in; empty: kept
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK with the name filled in") << false << "" << true;
        QTest::newRow("OK with another name") << false << "ana" << true;
        QTest::newRow("Cancel, after a password was refused") << true << "" << false;
    }

    void passwordWindow()
    {
        QFETCH(bool, again);
        QFETCH(QString, user);
        QFETCH(bool, ok);
        QtPasswordPrompt prompt;
        QString title;
        QString text;
        QString filledIn;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        QTimer::singleShot(0, this, [&] {
            QWidget *window = QApplication::activeModalWidget();
            auto *name = window ? window->findChild<QLineEdit *>(QStringLiteral("user")) : nullptr;
            auto *password =
                window ? window->findChild<QLineEdit *>(QStringLiteral("password")) : nullptr;
            if (!name || !password) {
                // Not the window asked for: ended unanswered, and the
                // comparisons below fail.
                if (auto *dialog = qobject_cast<QDialog *>(window)) {
                    dialog->reject();
                }
                return;
            }
            title = window->windowTitle();
            const auto *label = window->findChild<QLabel *>();
            text = label ? label->text() : QString();
            filledIn = name->text();
            echo = password->echoMode();
            QTest::keyClicks(password, QStringLiteral("s3cret"));
            if (!user.isEmpty()) {
                name->setText(user);
            }
            QTest::keyClick(window, ok ? Qt::Key_Return : Qt::Key_Escape);
        });
        const std::optional<Credentials> given =
            prompt.ask({.server = QStringLiteral("printserver.example"),
                        .user = "tintwelluser",
                        .again = again});
        QCOMPARE(title, QStringLiteral("Tintwell"));
        QCOMPARE(filledIn, QStringLiteral("tintwelluser"));
        QCOMPARE(echo, QLineEdit::Password);
        QVERIFY2(text.contains(QStringLiteral("\"printserver.example\"")), qPrintable(text));
        QCOMPARE(text.startsWith(QStringLiteral("The password was not accepted.")), again);
        QCOMPARE(given.has_value(), ok);
        if (ok) {
            QCOMPARE(given->user, user.isEmpty() ? QStringLiteral("tintwelluser") : user);
            QCOMPARE(given->password, QStringLiteral("s3cret"));
        }
    }

    void bitmapFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("obstacleRow");
        QTest::newRow("teal.jpg holds a BMP") << "teal.jpg" << int(Obstacle::None);
        QTest::newRow("a name without extension stays so") << "teal" << int(Obstacle::None);
        QTest::newRow("an old file is replaced") << "old.bmp" << int(Obstacle::None);
        QTest::newRow("folder is a file") << "file/teal.bmp" << int(Obstacle::ParentIsAFile);
        QTest::newRow("folder is missing") << "gone/teal.bmp" << int(Obstacle::ParentIsMissing);
        QTest::newRow("disk full over an old file") << "old.bmp" << int(Obstacle::DiskFull);
        QTest::newRow("locked folder: its old file is written in place")
            << "old.bmp" << int(Obstacle::LockedFolder);
        QTest::newRow("locked folder: a new name is refused")
            << "teal.bmp" << int(Obstacle::LockedFolder);
    }

    void bitmapFiles()
    {
        QFETCH(QString, name);
        QFETCH(int, obstacleRow);
        const auto obstacle = Obstacle(obstacleRow);
        QTemporaryDir dir;
        const QByteArray oldContent = "the old picture";
        QFile old(dir.filePath(QStringLiteral("old.bmp")));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(oldContent) > 0);
        old.close();
        if (obstacle == Obstacle::ParentIsAFile) {
            QFile file(dir.filePath(QStringLiteral("file")));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QStringList before = folderContents(dir.path());
        // 120 dots per inch: neither the 96 of a common screen nor Qt's 72.
        const FakeScreenMetrics screen(1024, 768, 12);
        QtPictureFileWriter writer(screen);
        const QString path = dir.filePath(name);

        std::optional<FileSizeLimit> limit;
        std::optional<LockedFolder> locked;
        if (obstacle == Obstacle::DiskFull) {
            limit.emplace(4096);
        } else if (obstacle == Obstacle::LockedFolder) {
            locked.emplace(dir.path(), old.fileName());
            if (!QFileInfo::exists(dir.path())) {
                locked.reset();
                QSKIP("user nobody cannot reach the temporary folder");
            }
        }
        const OutputResult result = writer.writeBitmap(tealSwatch(), path);
        limit.reset();
        locked.reset();

        const bool inPlace = obstacle == Obstacle::LockedFolder && before.contains(name);
        if (obstacle != Obstacle::None && !inPlace) {
            QVERIFY(!result.ok());
            QVERIFY2(!result.reason().isEmpty(), "a failure says why");
            QVERIFY(obstacle != Obstacle::LockedFolder || result.reason() == "Permission denied");
            QCOMPARE(folderContents(dir.path()), before);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), oldContent);
            return;
        }
        QVERIFY2(result.ok(), qPrintable(result.reason()));
        QStringList expected = before;
        if (!expected.contains(name)) {
            expected.append(name);
            expected.sort();
        }
        QCOMPARE(folderContents(dir.path()), expected);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray header = written.read(30);
        QCOMPARE(header.left(2), QByteArray("BM"));
        QCOMPARE(quint8(header[28]) | quint8(header[29]) << 8, 24); // bits per pixel
        QImageReader reader(path, "bmp");
        const QImage back = reader.read();
        QCOMPARE(back.size(), QSize(200, 150));
        QCOMPARE(back.pixelColor(100, 100), QColor(0, 128, 128));
        QCOMPARE(back.pixelColor(0, 0), QColor(10, 20, 30));
        QCOMPARE(back.pixelColor(199, 149), QColor(0, 128, 128));
        QCOMPARE(back.dotsPerMeterX(), 4724);
        QCOMPARE(back.dotsPerMeterY(), 4724);
    }
};

QTEST_MAIN(ServicesTest)
#include "test_services.moc"
