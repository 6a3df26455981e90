#pragma once

#include <memory>
#include <string>

class DIBImage;
class PaletteModel;

// Reading and writing pictures by name, the format following the extension as in the editor. A
// failure is reported as the editor reports it, then raised quietly.
std::shared_ptr<DIBImage> readPicture(const std::string& name, PaletteModel& palette, int& format);
// OUT is replaced only by a complete file.
void writePicture(const std::string& name, const DIBImage& image, const PaletteModel& palette);
