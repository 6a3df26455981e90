#pragma once

#include "base/ErrorFrame.h"
#include "formats/ImageFormat.h"
#include "palette/PaletteModel.h"
#include "pixels/DIBImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

// A picture format under test, with a folder of its own for the files it reads and writes.
class FormatTest : public testing::Test {
protected:
    explicit FormatTest(std::unique_ptr<ImageFormat> format, std::string extension)
        : format(std::move(format)), extension(std::move(extension))
    {
    }

    void SetUp() override
    {
        folder = testing::TempDir() + "tilvaner-" + extension + "-" + std::to_string(getpid());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string pathOf(const std::string& name) const { return folder + "/" + name; }

    void writeFile(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(pathOf(name), std::ios::binary) << bytes;
    }

    std::string readFile(const std::string& name) const
    {
        std::ifstream file(pathOf(name), std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    // Reads bytes as a file of the format: the image, or null with the raised code in code. The file
    // is closed either way.
    std::shared_ptr<DIBImage> read(const std::string& bytes, int32_t* code = nullptr)
    {
        writeFile("in." + extension, bytes);
        format->file.setFullPath(pathOf("in." + extension));
        try {
            auto image = format->readImage(palette);
            EXPECT_FALSE(format->file.isOpen());
            return image;
        } catch (...) {
            EXPECT_FALSE(format->file.isOpen()) << "the file is closed on failure too";
            if (code)
                *code = currentError();
            return nullptr;
        }
    }

    int32_t readError(const std::string& bytes)
    {
        int32_t code = 0;
        EXPECT_EQ(read(bytes, &code), nullptr);
        return code;
    }

    // The bytes the format writes for image.
    std::string written(const DIBImage& image)
    {
        format->file.setFullPath(pathOf("out." + extension));
        format->writeImage(image, palette);
        return readFile("out." + extension);
    }

    // Writes image over a file that already holds "the user's picture" while the process can open no
    // more files; answers the code raised and what the file holds afterwards.
    std::pair<int32_t, std::string> writeOverKeptFileWithoutFiles(const DIBImage& image);

    std::string folder;
    std::unique_ptr<ImageFormat> format;
    std::string extension;
    PaletteModel palette;
};
