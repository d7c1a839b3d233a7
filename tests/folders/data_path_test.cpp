#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "folders/data_path.h"

// Data names go to the data folder, unless the user's folder holds a file of the same name.
TEST(HostPath, DataNamesAndTheUsersOwnFiles) {
    std::filesystem::create_directories("user/gui");
    std::ofstream("user/gui/own.bmp") << "x";
    dataFolder() = "/opt/veri";
    userDataFolder() = "user";
    const std::pair<const char*, const char*> cases[] = {
        {"veri\\gui\\dugme", "/opt/veri/gui/dugme"},
        {"veri\\gui\\own.bmp", "user/gui/own.bmp"},
        {"pics\\a.bmp", "pics/a.bmp"},
        {"veriX\\a", "veriX/a"},
    };
    for (const auto& [name, path] : cases)
        EXPECT_EQ(hostPath(name), path) << name;
    EXPECT_TRUE(isUserFile("user/gui/own.bmp"));
    EXPECT_FALSE(isUserFile("userx/a") || isUserFile("user") || isUserFile("/opt/veri/a"));
    dataFolder() = "veri", userDataFolder().clear();
}
