// The resource library needs one source of its own; the pictures come from the resource file.
