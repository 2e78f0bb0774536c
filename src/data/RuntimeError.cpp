// Descriptions of the run-time and application error numbers.
#include "data/RuntimeError.h"

namespace voro {

std::string errorDescription(int number) {
  switch (number) {
    case err::InvalidCall: return "Invalid procedure call or argument";
    case err::Overflow: return "Overflow";
    case err::OutOfMemory: return "Out of memory";
    case err::SubscriptOutOfRange: return "Subscript out of range";
    case err::UserInterrupt: return "User interrupt occurred";
    case err::DivisionByZero: return "Division by zero";
    case err::TypeMismatch: return "Type mismatch";
    case err::BadFileName: return "Bad file name or number";
    case err::FileNotFound: return "File not found";
    case err::DiskFull: return "Disk full";
    case err::InputPastEnd: return "Input past end of file";
    case err::PermissionDenied: return "Permission denied";
    case err::PathFileAccess: return "Path/File access error";
    case err::PathNotFound: return "Path not found";
    case err::IncompleteFile: return "File di dati incompleto o non valido";
    case err::BadGeometry: return "Dati della geometria non validi";
    case err::AssemblyFailed: return "Impossibile costruire il modello dell'arco";
    case err::CalculationFailed: return "Il calcolo non si è concluso";
    case err::ImpossibleValue: return "Valore fisicamente impossibile";
    case err::DialogCancelled: return "Cancel was selected.";
    default: return "Application-defined or object-defined error";
  }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, errorDescription(number)) {}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

}  // namespace voro
