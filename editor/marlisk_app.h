// The editor's application: it makes the main window for the AutoRun.INF the user chose.
#pragma once

#include "application.h"

#include <string>

class MarliskApp : public TApplication {
public:
    explicit MarliskApp(std::string infPath) : infPath_(std::move(infPath)) {}

protected:
    void InitMainWindow() override;

private:
    std::string infPath_;
};
