# Dialog templates, the dialog manager, module resources, message boxes and CDialog with data exchange.
target_sources(platform PRIVATE
)
