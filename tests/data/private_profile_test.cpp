#include <gtest/gtest.h>

#include "tests/data/ini_file_fixture.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <optional>

#include "data/private_profile.h"

namespace zelvaro {
namespace {

QByteArray utf16(const QString& text, bool littleEndian) {
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar c : text) {
        const char low = static_cast<char>(c.unicode() & 0xFF);
        const char high = static_cast<char>(c.unicode() >> 8);
        if (littleEndian) {
            bytes.append(low).append(high);
        } else {
            bytes.append(high).append(low);
        }
    }
    return bytes;
}

class PrivateProfileTest : public fixtures::IniFileFixture {};

TEST_F(PrivateProfileTest, ReadsTheFirstEntryOfTheFirstSectionOfAName) {
    store(
        "; comentario\r\n"
        "FORA=antes da primeira secao\r\n"
        "[Formatacoes]\r\n"
        "  FormatDecimal  =  0.00  \r\n"
        "formatdecimal=segunda\r\n"
        "VAZIO=\r\n"
        "BRANCOS=   \r\n"
        "IGUAL=a=b=c\r\n"
        "ASPAS=\"  x  \"\r\n"
        "APOSTROFOS='y'\r\n"
        "MEIA=\"z\r\n"
        "SEMIGUAL\r\n"
        "\t[ Outra ]  \r\n"
        "CHAVE=1\r\n"
        "[FORMATACOES]\r\n"
        "REPETIDA=na segunda secao\r\n");
    const struct Case {
        const char* section;
        const char* key;
        std::optional<QString> value;
    } cases[] = {
        {"FORMATACOES", "FORMATDECIMAL", "0.00"},
        {"formatacoes", "formatdecimal", "0.00"},
        {"FORMATACOES", "VAZIO", ""},
        {"FORMATACOES", "BRANCOS", ""},
        {"FORMATACOES", "IGUAL", "a=b=c"},
        {"FORMATACOES", "ASPAS", "  x  "},
        {"FORMATACOES", "APOSTROFOS", "y"},
        {"FORMATACOES", "MEIA", "\"z"},
        {"FORMATACOES", "SEMIGUAL", std::nullopt},
        {"FORMATACOES", "FORA", std::nullopt},
        {"FORMATACOES", "CHAVE", std::nullopt},
        {"FORMATACOES", "REPETIDA", std::nullopt},
        {"OUTRA", "CHAVE", "1"},
        {"FALTA", "CHAVE", std::nullopt},
    };
    const PrivateProfile profile(path());
    for (const Case& c : cases) {
        EXPECT_EQ(profile.readString(QString::fromUtf8(c.section), QString::fromUtf8(c.key)),
                  c.value)
            << c.section << "/" << c.key;
    }
}

TEST_F(PrivateProfileTest, ReadsNothingWithoutAFile) {
    EXPECT_EQ(PrivateProfile(path()).readString(u"S", u"K"), std::nullopt);
    EXPECT_EQ(PrivateProfile(folder_.path()).readString(u"S", u"K"), std::nullopt);
}

TEST_F(PrivateProfileTest, ReadsAtMost2047CharactersOfAValue) {
    const QString smile = QString::fromUtf8("😀");
    const struct Case {
        const char* name;
        QString value;
        QString read;
    } cases[] = {
        {"2047", QString(2047, u'a'), QString(2047, u'a')},
        {"2048", QString(2048, u'a'), QString(2047, u'a')},
        {"100 000", QString(100000, u'a'), QString(2047, u'a')},
        {"no half character", QString(2046, u'a') + smile, QString(2046, u'a')},
        {"a whole one", QString(2045, u'a') + smile, QString(2045, u'a') + smile},
    };
    for (const Case& c : cases) {
        store("[S]\r\nK=" + c.value.toUtf8() + "\r\n");
        EXPECT_EQ(PrivateProfile(path()).readString(u"S", u"K"), c.read) << c.name;
    }
}

TEST_F(PrivateProfileTest, ReadsEveryLineEndAndEncoding) {
    const QString text = QString::fromUtf8("[S]\r\nK=ação\r\n");
    const struct Case {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"CR LF", "[S]\r\nK=a\xC3\xA7\xC3\xA3o\r\n"},
        {"LF", "[S]\nK=a\xC3\xA7\xC3\xA3o"},
        {"CR", "[S]\rK=a\xC3\xA7\xC3\xA3o\r"},
        {"UTF-8 mark", "\xEF\xBB\xBF[S]\r\nK=a\xC3\xA7\xC3\xA3o\r\n"},
        {"Windows-1252", "[S]\r\nK=a\xE7\xE3o\r\n"},
        {"UTF-16 little-endian", utf16(text, true)},
        {"UTF-16 big-endian", utf16(text, false)},
        {"UTF-16 with an odd last byte", utf16(text, true) + "\x01"},
        {"junk around", QByteArray("\x00\xFF\xFE\x80=\x81\r\n[S]\r\n\x00\x01\r\nK=a\xE7\xE3o", 23)},
    };
    for (const Case& c : cases) {
        store(c.bytes);
        EXPECT_EQ(PrivateProfile(path()).readString(u"S", u"K"), QString::fromUtf8("ação"))
            << c.name;
    }
}

TEST_F(PrivateProfileTest, WritesOneEntryAndKeepsEveryOtherByte) {
    const QByteArray junk("\x00\xFF\xFE\x80 lixo [\x81", 12);
    const struct Case {
        const char* name;
        std::optional<QByteArray> before;
        const char* value;
        QByteArray after;
    } cases[] = {
        {"new file", std::nullopt, "v", "[S]\r\nK=v\r\n"},
        {"empty file", "", "v", "[S]\r\nK=v\r\n"},
        {"value replaced, key and blanks kept", "; c\r\n[s]\r\n  k = velho  \r\nX=1\r\n", "v",
         "; c\r\n[s]\r\n  k = v\r\nX=1\r\n"},
        {"first of duplicates", "[S]\nK=1\nK=2\n", "v", "[S]\nK=v\nK=2\n"},
        {"empty value", "[S]\r\nK=1\r\n", "", "[S]\r\nK=\r\n"},
        {"new entry before the blank lines", "[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n", "v",
         "[S]\r\nA=1\r\nK=v\r\n\r\n[T]\r\nB=2\r\n"},
        {"new section after a last line without end", "[T]\nB=2", "v", "[T]\nB=2\n[S]\nK=v\n"},
        {"CR only", "[S]\rA=1\r", "v", "[S]\rA=1\rK=v\r"},
        {"no sections", "K=1\r\n", "v", "K=1\r\n[S]\r\nK=v\r\n"},
        {"entry of the second section of the name", "[S]\r\n[S]\r\nK=1\r\n", "v",
         "[S]\r\nK=v\r\n[S]\r\nK=1\r\n"},
        {"junk", junk + "\r\n[S]\r\n" + junk + "\r\nK=" + junk + "\r\n" + junk, "v",
         junk + "\r\n[S]\r\n" + junk + "\r\nK=v\r\n" + junk},
        {"a value ends at its line break", "", "a\r\nB=b", "[S]\r\nK=a\r\n"},
        {"UTF-8 into Windows-1252", "[S]\r\nX=a\xE7\xE3o\r\n", "ação",
         "[S]\r\nX=a\xE7\xE3o\r\nK=a\xC3\xA7\xC3\xA3o\r\n"},
        {"UTF-8 mark", "\xEF\xBB\xBF[S]\r\nK=1\r\n", "v", "\xEF\xBB\xBF[S]\r\nK=v\r\n"},
        {"UTF-16", utf16(QString::fromUtf8("[S]\r\nK=1\r\nX=ç\r\n"), true), "ação",
         utf16(QString::fromUtf8("[S]\r\nK=ação\r\nX=ç\r\n"), true)},
        {"UTF-16 big-endian, new section", utf16(QStringLiteral("[T]\nB=2\n"), false), "v",
         utf16(QStringLiteral("[T]\nB=2\n[S]\nK=v\n"), false)},
    };
    for (const Case& c : cases) {
        QFile::remove(path());
        if (c.before) store(*c.before);
        PrivateProfile(path()).writeString(u"S", u"K", QString::fromUtf8(c.value));
        EXPECT_EQ(stored(), c.after) << c.name;
    }
}

TEST_F(PrivateProfileTest, ReportsAFileItCannotWrite) {
    QFile file(folder_.filePath(QStringLiteral("arquivo")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString paths[] = {
        folder_.filePath(QStringLiteral("falta/ZELVARO.INI")),
        folder_.filePath(QStringLiteral("arquivo/ZELVARO.INI")),
        folder_.path(),
    };
    for (const QString& path : paths) {
        try {
            PrivateProfile(path).writeString(u"S", u"K", u"v");
            ADD_FAILURE() << path.toStdString();
        } catch (const ProfileWriteError& error) {
            EXPECT_EQ(error.what(),
                      "Unable to write to " + QDir::toNativeSeparators(path).toStdString());
        }
    }
}

TEST(ReadYesNo, TakesWholeNumbersAndTheDefaultForAnythingElse) {
    enum Reads { No, Yes, Default };
    const struct Case {
        std::optional<QString> text;
        Reads reads;
    } cases[] = {
        {"1", Yes},
        {"0", No},
        {"2", Yes},
        {"-1", Yes},
        {"  -1", Yes},
        {"+0", No},
        {"-0", No},
        {"00", No},
        {"99999999999999999999", Yes},
        {"0x0", No},
        {"0X1f", Yes},
        {"0x", Default},
        {"0x-1", Default},
        {"0xG", Default},
        {" 0x1", Default},
        {"$1F", Yes},
        {"$0", No},
        {" -$a", Yes},
        {"$", Default},
        {"$-1", Default},
        {"true", Default},
        {"1.0", Default},
        {"1 ", Default},
        {"- 1", Default},
        {"\t1", Default},
        {QString::fromUtf8("١"), Default},
        {"", Default},
        {std::nullopt, Default},
    };
    for (const Case& c : cases) {
        for (const bool defaultValue : {false, true}) {
            const bool expected = c.reads == Default ? defaultValue : c.reads == Yes;
            EXPECT_EQ(ReadYesNo(c.text, defaultValue), expected)
                << (c.text ? c.text->toStdString() : "(missing)") << " default " << defaultValue;
        }
    }
}

}  // namespace
}  // namespace zelvaro
