#include "core/error_log.h"

#include <cstdio>
#include <memory>

#include "platform/temp_folder.h"

std::string ErrorLogPath() {
    const std::string folder = PrivateTempFolder();
    if (folder.empty()) return {};
    return folder + "ErrorLog.txt";
}

void WriteErrorLog(const char* text) {
    const std::string path = ErrorLogPath();
    if (path.empty()) return;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> log(std::fopen(path.c_str(), "ab"), &std::fclose);
    if (!log) return;
    std::fputs(text != nullptr ? text : "null", log.get());
    std::fputs("\r\n", log.get());
}

void DeleteErrorLog() {
    const std::string path = ErrorLogPath();
    if (!path.empty()) std::remove(path.c_str());
}
