# Sources of run-time classes, archives, collections, exceptions, profiles and resources.
