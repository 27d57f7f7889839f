target_sources(framework PRIVATE qt/widgets_placeholder.cpp)
