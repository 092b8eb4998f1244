#include "logic/profilevalue.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using designer::ReadProfileValue;

TEST(ReadProfileValue, GivesTheStoredTextOrNothing) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Draw.ini");
    EXPECT_EQ(ReadProfileValue("Sunset", "ModLine", file), "");

    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("[Sunset]\r\nModLine= 7 \r\nObjName=\r\nMoreXR=x\r\nLong=" + QByteArray(64000, 'a') +
              "\r\n");
    out.close();
    EXPECT_EQ(ReadProfileValue("sunset", "MODLINE", file), "7");
    EXPECT_EQ(ReadProfileValue("Sunset", "MoreXR", file), "x");
    EXPECT_EQ(ReadProfileValue("Sunset", "ObjName", file), "");
    EXPECT_EQ(ReadProfileValue("Sunset", "MoreXG", file), "");
    EXPECT_EQ(ReadProfileValue("Dawn", "ModLine", file), "");
    EXPECT_EQ(ReadProfileValue("Sunset", "Long", file), QString(63999, 'a'));
}
