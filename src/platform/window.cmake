# Sources of windows, messages and input (paths relative to this folder), and of the framework window classes.
