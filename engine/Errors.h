#pragma once
#include <stdexcept>
#include <string>

// Failures the engine reports to the user; the text is the message shown.
class EQVError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
class ECollectionCreateError : public EQVError {
  using EQVError::EQVError;
};
class ECollectionOpenError : public EQVError {
  using EQVError::EQVError;
};
class ECollectionWriteError : public EQVError {
  using EQVError::EQVError;
};
class EDirIndexError : public EQVError {
  using EQVError::EQVError;
};
class EDamagedCollection : public EQVError {
  using EQVError::EQVError;
};
// Thrown when a walk is stopped on request (the window is closing); not an error to show.
class EWalkStopped : public EQVError {
  using EQVError::EQVError;
};

// "Cannot open file %s" and the like: one %s or %d, filled in.
std::string FmtMsg(const char* Format, const std::string& Arg);
std::string FmtMsg(const char* Format, long long Arg);
