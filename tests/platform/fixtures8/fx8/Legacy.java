package fx8;

import java.io.Serializable;
import java.util.Iterator;

// Compiled with --release 8: an older class-file version, strictfp in the flags.
public class Legacy implements Iterator<String>, Serializable {
    public strictfp double compute(double a) { return a; }
    public synchronized strictfp static float both() { return 0; }

    @Override
    public boolean hasNext() { return false; }

    @Override
    public String next() { return null; }

    public interface Old {
        default void method() {}
        static void helper() {}
    }
}
