#pragma once
// A message-box handler that records what core code shows and answers IDOK, installed for the
// test's scope.
#include <string>
#include <vector>

#include "platform/MessageBox.h"

class CMessageBoxRecorder : public IMessageBoxHandler {
public:
    struct Shown {
        std::string text;
        unsigned type;
        int code;
    };

    CMessageBoxRecorder() { m_pPrevious = SetMessageBoxHandler(this); }
    ~CMessageBoxRecorder() override { SetMessageBoxHandler(m_pPrevious); }
    CMessageBoxRecorder(const CMessageBoxRecorder&) = delete;
    CMessageBoxRecorder& operator=(const CMessageBoxRecorder&) = delete;

    int MessageBox(const std::string& text, unsigned nType, int nCode) override
    {
        shown.push_back({text, nType, nCode});
        return IDOK;
    }

    std::vector<Shown> shown;

private:
    IMessageBoxHandler* m_pPrevious = nullptr;
};
