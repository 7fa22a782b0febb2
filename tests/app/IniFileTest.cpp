#include "app/IniFile.h"
#include "app/Scramble.h"

#include "GTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

using namespace pelora;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(Scramble, KnownAnswerAndLength) {
    // 'a' ^ 0x14 (high byte of 5326), then the key moves on to 0x40FC: 'b' ^ 0x40.
    EXPECT_EQ(ScrambleText("ab"), QByteArray("u\""));
    EXPECT_EQ(ScrambleText(QByteArray()), QByteArray());
    EXPECT_EQ(UnscrambleText("u\""), QByteArray("ab"));
}

TEST(Scramble, UnscrambleUndoesEveryByteValue) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, static_cast<char>(b));
        EXPECT_EQ(UnscrambleText(ScrambleText(one)), one) << b;
        all.append(static_cast<char>(b));
    }
    const QByteArray scrambled = ScrambleText(all);
    EXPECT_EQ(scrambled.size(), all.size());
    EXPECT_NE(scrambled, all);
    EXPECT_EQ(UnscrambleText(scrambled), all);
    QByteArray reversed = all;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(UnscrambleText(ScrambleText(reversed, 1), 1), reversed);
    EXPECT_NE(ScrambleText(reversed, 1), ScrambleText(reversed));
}

TEST(IniFile, WritesTheSixLinesAndReadsThemBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pelora.ini"));
    const IniSettings s{QStringLiteral("pelora-demo1"), QStringLiteral("Bar"),
                        QStringLiteral("localhost:/srv/pelora/data/")};
    const QByteArray scrambled = ScrambleText("pelora-demo1");
    ASSERT_FALSE(scrambled.contains('\r') || scrambled.contains('\n')); // an ordinary password
    ASSERT_TRUE(IniFile::write(s, path));
    const QByteArray expected = QByteArray("[app_pelora]\r\n") + scrambled +
                                QByteArray("\r\n[PCRef]\r\nBar\r\n[DBPath]\r\nlocalhost:/srv/pelora/data/\r\n");
    EXPECT_EQ(fileBytes(path), expected);
    const auto back = IniFile::read(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->password, s.password);
    EXPECT_EQ(back->pcRef, s.pcRef);
    EXPECT_EQ(back->dbPath, s.dbPath);
}

TEST(IniFile, OnlyLinesTwoFourAndSixMatter) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pelora.ini"));
    writeBytes(path, "[something else]\r\n" + ScrambleText("pw") + "\r\nanything\r\nTill 2\r\n\r\n/x/");
    auto s = IniFile::read(path);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->password, QStringLiteral("pw"));
    EXPECT_EQ(s->pcRef, QStringLiteral("Till 2"));
    EXPECT_EQ(s->dbPath, QStringLiteral("/x/"));

    // Plain LF line ends and a file cut short read as far as they go.
    writeBytes(path, "[app_pelora]\n" + ScrambleText("pw") + "\n[PCRef]\nTill 3\n");
    s = IniFile::read(path);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->pcRef, QStringLiteral("Till 3"));
    EXPECT_EQ(s->dbPath, QString());

    EXPECT_FALSE(IniFile::read(dir.filePath(QStringLiteral("missing.ini"))).has_value());
}

TEST(IniFile, PasswordsWhoseScrambledFormBreaksALineReadBack) {
    // Find printable passwords whose scrambled bytes hold a CR or an LF.
    QList<QByteArray> awkward;
    for (char a = 'a'; a <= 'z' && awkward.size() < 4; ++a)
        for (char b = '0'; b <= 'z' && awkward.size() < 4; ++b) {
            const QByteArray pw = QByteArray("pw") + a + b;
            const QByteArray s = ScrambleText(pw);
            if (s.contains('\n') || s.contains('\r'))
                awkward << pw;
        }
    ASSERT_FALSE(awkward.isEmpty());
    awkward << QByteArray("\x0bstarts with the marker"); // scrambles to a leading 0x1F

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pelora.ini"));
    for (const QByteArray& pw : awkward) {
        ASSERT_TRUE(IniFile::write({QString::fromUtf8(pw), QStringLiteral("Bar"), QStringLiteral("/d/")},
                                   path));
        EXPECT_EQ(fileBytes(path).count("\r\n"), 6) << pw.toHex().toStdString();
        const auto s = IniFile::read(path);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->password.toUtf8(), pw);
        EXPECT_EQ(s->pcRef, QStringLiteral("Bar"));
    }
}

TEST(IniFile, DatabasePathJoinsWithNothingBetween) {
    EXPECT_EQ(IniFile::databasePath(QString()), QStringLiteral("pelora.gdb"));
    EXPECT_EQ(IniFile::databasePath(QStringLiteral("localhost:/srv/data/")),
              QStringLiteral("localhost:/srv/data/pelora.gdb"));
    EXPECT_EQ(IniFile::databasePath(QStringLiteral("/srv/data")), QStringLiteral("/srv/datapelora.gdb"));
}

} // namespace
