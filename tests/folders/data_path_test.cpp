#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "folders/data_path.h"

// Data names go to the data folder, unless the user's folder holds a file of the same name.
TEST(HostPath, DataNamesAndTheUsersOwnFiles) {
    std::filesystem::create_directories("user/gui");
    std::ofstream("user/gui/own.bmp") << "x";
    const DataFolders folders{"/opt/veri", "user"};
    const std::pair<const char*, const char*> cases[] = {
        {"veri\\gui\\dugme", "/opt/veri/gui/dugme"},
        {"veri\\gui\\own.bmp", "user/gui/own.bmp"},
        {"pics\\a.bmp", "pics/a.bmp"},
        {"veriX\\a", "veriX/a"},
    };
    for (const auto& [name, path] : cases)
        EXPECT_EQ(folders.hostPath(name), path) << name;
    EXPECT_TRUE(folders.isUserFile("user/gui/own.bmp"));
    EXPECT_FALSE(folders.isUserFile("userx/a") || folders.isUserFile("user") ||
                 folders.isUserFile("/opt/veri/a"));
    EXPECT_EQ(DataFolders{}.hostPath("veri\\gui\\own.bmp"), "veri/gui/own.bmp")
        << "without a user's folder";
}
