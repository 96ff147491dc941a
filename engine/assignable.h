#pragma once

// Objects that can take over another object's contents.
class TAssignable {
  public:
    virtual ~TAssignable() = default;
    // Refuses a source of another kind with an EngineError, changing nothing.
    virtual void Assign(const TAssignable& source) = 0;
};
