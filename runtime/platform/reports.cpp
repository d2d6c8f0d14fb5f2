#include "platform/reports.h"

#include <cstdio>
#include <cstdlib>

namespace {

MessageWriter message_writer = nullptr;
EndRequestHandler end_request_handler = nullptr;

}  // namespace

void SetMessageWriter(MessageWriter writer) {
    message_writer = writer;
}

void ReportMessage(const char* message) {
    if (message_writer != nullptr) {
        message_writer(message);
    } else {
        std::fprintf(stderr, "%s\n", message);
    }
}

void SetEndRequestHandler(EndRequestHandler handler) {
    end_request_handler = handler;
}

void RequestProgramEnd(EndRequest request) {
    if (end_request_handler != nullptr) end_request_handler(request);
    std::exit(0);
}
