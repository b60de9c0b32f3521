#pragma once
// What a form was not given (a service left empty, a printer that could not
// be made) is an object that is not set.

#include "runtime/vb_error.h"

namespace forms {

template <typename Service>
const Service& provided(const Service& service) {
  if (!service) vb::raise(vb::err::ObjectNotSet);
  return service;
}

}  // namespace forms
