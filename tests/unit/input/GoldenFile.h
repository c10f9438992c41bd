#pragma once
// Exact-text comparison with tests/golden/<name>; FLUM_UPDATE_GOLDEN=1 rewrites the file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

inline void expectGolden(const std::string& name, const std::string& text) {
    const std::string path = std::string(FLUM_GOLDEN_DIR) + "/" + name;
    if (std::getenv("FLUM_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden file " << path;
    std::stringstream ss;
    ss << in.rdbuf();
    EXPECT_EQ(text, ss.str()) << "golden file " << path;
}
