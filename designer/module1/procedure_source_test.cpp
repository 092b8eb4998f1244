// The procedure source that the designer shows and copies must sit beside the
// program, as a Windows text file the user's development environment accepts.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::filesystem::path besideThisProgram(const std::string& fileName) {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / fileName;
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(ProcedureSource, ShipsBesideTheProgramWithTheCallersParameterList) {
    const std::filesystem::path path = besideThisProgram("Function Ombrelo.fnc");
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
    const std::string text = readBytes(path);

    EXPECT_NE(text.find("\r\nPublic Sub Ombrelo(Obj As Object, R As Integer, G As Integer, "
                        "B As Integer, N As Integer, Band As Integer, Start As Integer, "
                        "StopY As Integer, ModLine As Integer, AutoRedraw As Integer, "
                        "MoreXR As Integer, MoreXG As Integer, MoreXB As Integer)\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\nEnd Sub\r\n"), std::string::npos);
}

TEST(ProcedureSource, IsPlainAsciiWithWindowsLineEndings) {
    const std::string text = readBytes(besideThisProgram("Function Ombrelo.fnc"));
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80;
    })) << "no byte-order mark, no characters outside ASCII";
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        ASSERT_TRUE(at > 0 && text[at - 1] == '\r') << "bare line feed at byte " << at;
    for (std::size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at + 1))
        ASSERT_TRUE(at + 1 < text.size() && text[at + 1] == '\n') << "bare CR at byte " << at;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}
