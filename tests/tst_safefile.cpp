#include "sheet/SafeFile.h"
#include "support/ChildProcess.h"
#include "support/FailingDevice.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writePlain(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden, QDir::Name);
}

QByteArray bigContent()
{
    QByteArray bytes;
    for (int i = 0; i < 20000; ++i)
        bytes += "line " + QByteArray::number(i) + "\r\n";
    return bytes;
}

} // namespace

// Whole-file writes that either replace the file completely or leave it
// byte for byte as it was, and reads that report a file they cannot finish.
class TestSafeFile : public QObject
{
    Q_OBJECT

private slots:
    void writesAndReplaces()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("list.sls");
        QVERIFY(SafeFile::write(path, "first"));
        QCOMPARE(contentOf(path), QByteArray("first"));
        QVERIFY(SafeFile::write(path, bigContent()));
        QCOMPARE(contentOf(path), bigContent());
        QVERIFY(SafeFile::write(path, QByteArray()));
        QCOMPARE(contentOf(path), QByteArray());
        QCOMPARE(entriesOf(dir.path()), QStringList{"list.sls"});
    }

    void deviceFailingAtAChosenByte_data()
    {
        QTest::addColumn<int>("failAt");
        QTest::newRow("first byte") << 0;
        QTest::newRow("middle") << 50000;
        QTest::newRow("last byte") << int(bigContent().size()) - 1;
    }
    void deviceFailingAtAChosenByte()
    {
        QFETCH(int, failAt);
        FailingDevice device(QByteArray(), failAt);
        QVERIFY(device.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QString error;
        QVERIFY(!SafeFile::writeAll(&device, bigContent(), &error));
        QCOMPARE(error, QString("No space left on device"));
        QCOMPARE(device.written().size(), failAt);

        FailingDevice roomy(QByteArray(), bigContent().size());
        QVERIFY(roomy.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QVERIFY(SafeFile::writeAll(&roomy, bigContent()));
        QCOMPARE(roomy.written(), bigContent());
    }

    void folderInTheWay()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("list.sls");
        QVERIFY(QDir(dir.path()).mkdir("list.sls"));
        QString error;
        QVERIFY(!SafeFile::write(path, "data", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(entriesOf(dir.path()), QStringList{"list.sls"});
    }

    // The folder is read-only for the process that saves. Root writes
    // anywhere, so the save runs as an unprivileged user in a child process.
    void readOnlyFolder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("list.sls");
        QVERIFY(writePlain(path, "old"));
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
            | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(dir.path(), readOnly));
        ChildProcess::Limits limits;
        limits.unprivileged = true;
        const int saved = ChildProcess::run([&] { return SafeFile::write(path, "new") ? 1 : 0; },
                                            limits);
        QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner);
        QCOMPARE(saved, 0);
        QCOMPARE(contentOf(path), QByteArray("old"));
        QCOMPARE(entriesOf(dir.path()), QStringList{"list.sls"});
    }

    // A full disk, made by a file-size limit in a child process: writing
    // over a file in place would leave it cut short; the safe write fails
    // and leaves the old file whole.
    void fullDisk()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString safePath = dir.filePath("safe.sls");
        const QString plainPath = dir.filePath("plain.sls");
        const QByteArray old = "the old list\r\n";
        QVERIFY(writePlain(safePath, old));
        QVERIFY(writePlain(plainPath, old));

        ChildProcess::Limits limits;
        limits.fileSizeLimit = 4096;
        const int saved = ChildProcess::run(
            [&] {
                writePlain(plainPath, bigContent());
                return SafeFile::write(safePath, bigContent()) ? 1 : 0;
            },
            limits);
        QCOMPARE(saved, 0);

        QCOMPARE(contentOf(plainPath).size(), 4096);
        QCOMPARE(contentOf(safePath), old);
        QCOMPARE(entriesOf(dir.path()), QStringList({"plain.sls", "safe.sls"}));
    }

    void reads()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QByteArray bytes = "kept";
        QVERIFY(!SafeFile::read(dir.filePath("missing.sls"), &bytes));
        QVERIFY(!SafeFile::read(dir.path(), &bytes));
        QCOMPARE(bytes, QByteArray("kept"));

        QVERIFY(writePlain(dir.filePath("list.sls"), bigContent()));
        QVERIFY(SafeFile::read(dir.filePath("list.sls"), &bytes));
        QCOMPARE(bytes, bigContent());

        QBuffer empty;
        QVERIFY(empty.open(QIODevice::ReadOnly));
        QVERIFY(SafeFile::readAll(&empty, &bytes));
        QCOMPARE(bytes, QByteArray());
    }

    void readFailingPartWay()
    {
        const QByteArray content = bigContent();
        FailingDevice device(content, content.size() / 3);
        QVERIFY(device.open(QIODevice::ReadOnly));
        QByteArray bytes = "kept";
        QString error;
        QVERIFY(!SafeFile::readAll(&device, &bytes, &error));
        QCOMPARE(error, QString("Input/output error"));
        QCOMPARE(bytes, QByteArray("kept"));
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
