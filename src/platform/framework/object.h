#pragma once
// CObject: the common base of the framework's classes. Run-time class records and serialisation
// build on it.

class CObject {
public:
    virtual ~CObject() = default;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
