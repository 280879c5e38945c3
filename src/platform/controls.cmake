# The standard controls (buttons, statics, edit, combo box), the caret and non-client drawing.
target_sources(platform PRIVATE
)
