target_sources(framework PRIVATE qt/runtime_placeholder.cpp)
