#pragma once

class CGenericCriticalSection {
public:
    virtual void Enter() = 0;
    virtual void Exit() = 0;
    virtual ~CGenericCriticalSection() {}
};
